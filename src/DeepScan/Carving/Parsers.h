#pragma once
// Makers of the 23 carving parsers, one source file each.
#include "DeepScan/Carving/DataTypeParser.h"

#include <memory>

namespace Carving {

std::unique_ptr<IDataTypeParser> MakeParser_png();
std::unique_ptr<IDataTypeParser> MakeParser_jpg();
std::unique_ptr<IDataTypeParser> MakeParser_bmp();
std::unique_ptr<IDataTypeParser> MakeParser_gif();
std::unique_ptr<IDataTypeParser> MakeParser_psd();
std::unique_ptr<IDataTypeParser> MakeParser_tiff();
std::unique_ptr<IDataTypeParser> MakeParser_raf();
std::unique_ptr<IDataTypeParser> MakeParser_mov();
std::unique_ptr<IDataTypeParser> MakeParser_avi();
std::unique_ptr<IDataTypeParser> MakeParser_mkv();
std::unique_ptr<IDataTypeParser> MakeParser_flv();
std::unique_ptr<IDataTypeParser> MakeParser_mpeg();
std::unique_ptr<IDataTypeParser> MakeParser_rmvb();
std::unique_ptr<IDataTypeParser> MakeParser_asf();
std::unique_ptr<IDataTypeParser> MakeParser_mp3();
std::unique_ptr<IDataTypeParser> MakeParser_ogg();
std::unique_ptr<IDataTypeParser> MakeParser_aiff();
std::unique_ptr<IDataTypeParser> MakeParser_zip();
std::unique_ptr<IDataTypeParser> MakeParser_7z();
std::unique_ptr<IDataTypeParser> MakeParser_rar();
std::unique_ptr<IDataTypeParser> MakeParser_iso();
std::unique_ptr<IDataTypeParser> MakeParser_ole2();
std::unique_ptr<IDataTypeParser> MakeParser_pdf();

}
