#include "FileTypeClassifier.h"

#include "NodeTypeCode.h"

#include <QHash>
#include <QRegularExpression>

namespace {

const QRegularExpression& unsavedFolders()
{
    static const QRegularExpression expression(
        QStringLiteral("^[A-Za-z]:/Users/[^/]+/AppData/(Roaming|Local)/(Microsoft/(Word|Excel|PowerPoint|Office/"
                       "UnsavedFiles)|kingsoft/office6/backup)"),
        QRegularExpression::CaseInsensitiveOption);
    return expression;
}

// The extensions of each type, in matching order: an extension listed twice
// belongs to the earlier type. A name matches "^.*\.(list)$" exactly when the
// text after its last "." is in the list (no entry holds a "."), so one hash
// lookup of that text decides, ignoring case.
const QHash<QString, quint8>& extensionTypes()
{
    static const QHash<QString, quint8> table = [] {
        const struct {
            quint8 code;
            const char* extensions;
        } lists[] = {
            {PhotoFile,
             "bmp|gif|heic|jpe|jpeg|jpg|png|svg|svgz|tif|tiff|webp|dds|dib|jfif|lbm|mng|pbm|pgm|ppm|pcx|pict|ras|tga|"
             "wbmp|yuv|3fr|arw|cr2|cr3|heif|heic|crw|dng|erf|fff|gpr|hcr|k25|kdc|mef|mrw|nef|nrw|orf|pef|raf|rw2|sr2|"
             "srf|srw|x3f|ciff|dsc|thm|icns|ico|cgm|ai|idml|indd|psd|psp|cdr|cdt|cmx|cpt|fpx|fxg|fh7|fh8|fh9|fh10|fh11|"
             "qpt|qxd|qxb|qxl|clp|emf|emz|wmf|dwg|dxf|dgn|dwf|plt|shp|vwx|3dm|3dmf|blend|lwo|lws|ma|max|mb|mdl|mdx|obj|"
             "skp|stp|eps|wpg"},
            {VideoFile,
             "mkv|mov|mp4|mpeg|webm|3g2|3gp|3gp2|3gpp|avi|divx|flv|wmv|asf|dvr-ms|m1v|m2p|m2v|mp2v|mpe|mpg|qt|rm|rmvb|"
             "swf|ts|vob|vro|xvid|r3d|ari|braw|crm|cr3|hif|arx|dav|hdmov|mod|moi|tod|tp|vro|qtm|rcproject|asx|wmp|wtv|"
             "fla|dmsm|psh|pss|scm|cpi|tprts|m2t|m2ts|mxf|avs|bik|vp6|fbr|dream|stx|qpl|xlmv|pmg|3tf|m1a|m2a|m4v|mpeg4|"
             "mpv2|vod|wmv3g2"},
            {AudioFile,
             "aac|ac3|aif|aifc|aiff|alac|amr|flac|m4a|m4b|m4r|mp2|mp3|ogg|wav|wma|a52|aa|aa3|au|kar|mid|midi|mp1|mpa|"
             "ra|ram|snd|voc|vqf|xm|oga|ogm|ogv|ogx|rmi|s3m|smi|smil|smp|smpl|stm|tix|wmp|caf|aa3|at3|dvf|dmsa|dmse|"
             "emp|emx|cwp|omf|ptf|rns|rps|rfl|sib|flp|it|mtm|umx|dss|mka|mp+|mpc|tak|tta|vpm"},
            {DocumentFile,
             "accdb|adp|csv|dif|doc|docm|docx|dot|dotm|dotx|mdi|mpp|mpt|pot|potm|potx|ppa|ppam|ppj|pps|ppsm|ppsx|ppt|"
             "pptm|pptx|prn|pub|rtf|slk|xls|xlsb|xlsm|xlsx|xla|xlam|xlt|xltm|xltx|wps|wpt|odp|ods|odt|ott|otp|key|"
             "numbers|pages|pdf|asd|chm|epub|efx|fb2|fdr|fdt|ftw|ini|log|lwp|ncx|opf|p65|pmd|ps|puz|pwi|sdw|sdy|sig|stx|"
             "txt|xml|xms|xps|xsl|zdp|asp|bat|c|cls|cpp|go|h|hp|inf|json|m|pyc|pyd|pyl|resx|scpt|scr|sln|suo|idml|indt|"
             "ufo"},
            {EmailFile, "msg|ost|pab|pst|dbx|wab|emlx|eml|mbox|mbx|mail|nsf|dci|edb|oeb"},
            {ArchiveFile,
             "7z|7zip|ace|rar|zip|zipx|bz|bzip|gz|gzip|tar|tgz|dmg|afz|alz|arc|arj|lzh|sea|sit|sitx|zoo|cab|exe|msi|pf|"
             "sfx|pkg|deb|pup|iso|jar|war"},
        };
        QHash<QString, quint8> byExtension;
        for (const auto& list : lists) {
            for (const QString& extension : QString::fromLatin1(list.extensions).split(QLatin1Char('|'))) {
                if (!byExtension.contains(extension))
                    byExtension.insert(extension, list.code);
            }
        }
        return byExtension;
    }();
    return table;
}

bool mayBeUnsavedFolder(const QString& path)
{
    return path.size() > 9 && path[1] == QLatin1Char(':')
           && path.midRef(2, 7).compare(QLatin1String("/Users/"), Qt::CaseInsensitive) == 0;
}

} // namespace

quint8 classifyFileType(const QString& displayPath)
{
    if (mayBeUnsavedFolder(displayPath) && unsavedFolders().match(displayPath).hasMatch())
        return UnsavedFile;
    int slash = displayPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        slash = displayPath.lastIndexOf(QLatin1Char('\\'));
    const QStringRef name = displayPath.midRef(slash + 1);
    if (name.isEmpty())
        return OtherFile;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return ExtensionlessFile;
    return extensionTypes().value(name.mid(dot + 1).toString().toLower(), OtherFile);
}
