#include "DeepScan/Carving/DataTypeParser.h"
#include "DeepScan/Carving/Parsers.h"

using namespace Carving;

std::unique_ptr<IDataTypeParser> CreateDataTypeParser(int32_t typeId)
{
    switch (typeId) {
    case 0: return MakeParser_png();
    case 1: return MakeParser_jpg();
    case 2: case 7: case 13: case 14: case 16: case 21: case 25: return MakeParser_mov();
    case 3: return MakeParser_psd();
    case 4: return MakeParser_bmp();
    case 5: return MakeParser_tiff();
    case 8: return MakeParser_raf();
    case 12: return MakeParser_gif();
    case 15: return MakeParser_avi();
    case 17: return MakeParser_mkv();
    case 18: return MakeParser_flv();
    case 19: return MakeParser_mpeg();
    case 20: return MakeParser_rmvb();
    case 23: return MakeParser_asf();
    case 24: return MakeParser_mp3();
    case 27: return MakeParser_ogg();
    case 29: return MakeParser_aiff();
    case 30: return MakeParser_zip();
    case 31: return MakeParser_7z();
    case 32: return MakeParser_rar();
    case 33: return MakeParser_iso();
    case 34: return MakeParser_ole2();
    case 41: return MakeParser_pdf();
    default: return nullptr;
    }
}
