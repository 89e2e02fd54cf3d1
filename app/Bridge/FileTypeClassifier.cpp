#include "FileTypeClassifier.h"

#include "NodeTypeCode.h"

#include <QRegularExpression>

#include <array>

namespace {

struct TypePattern {
    quint8 code;
    QRegularExpression expression;
};

QRegularExpression caseInsensitive(const char* text)
{
    QRegularExpression expression(QLatin1String(text), QRegularExpression::CaseInsensitiveOption);
    expression.optimize();
    return expression;
}

const QRegularExpression& unsavedFolders()
{
    static const QRegularExpression expression = caseInsensitive(
        "^[A-Za-z]:/Users/[^/]+/AppData/(Roaming|Local)/(Microsoft/(Word|Excel|PowerPoint|Office/UnsavedFiles)|"
        "kingsoft/office6/backup)");
    return expression;
}

// In matching order: an extension listed twice belongs to the earlier type.
const std::array<TypePattern, 6>& namePatterns()
{
    static const std::array<TypePattern, 6> patterns{{
        {PhotoFile,
         caseInsensitive("^.*\\.(bmp|gif|heic|jpe|jpeg|jpg|png|svg|svgz|tif|tiff|webp|dds|dib|jfif|lbm|mng|pbm|pgm|ppm|"
                         "pcx|pict|ras|tga|wbmp|yuv|3fr|arw|cr2|cr3|heif|heic|crw|dng|erf|fff|gpr|hcr|k25|kdc|mef|mrw|"
                         "nef|nrw|orf|pef|raf|rw2|sr2|srf|srw|x3f|ciff|dsc|thm|icns|ico|cgm|ai|idml|indd|psd|psp|cdr|"
                         "cdt|cmx|cpt|fpx|fxg|fh7|fh8|fh9|fh10|fh11|qpt|qxd|qxb|qxl|clp|emf|emz|wmf|dwg|dxf|dgn|dwf|"
                         "plt|shp|vwx|3dm|3dmf|blend|lwo|lws|ma|max|mb|mdl|mdx|obj|skp|stp|eps|wpg)$")},
        {VideoFile,
         caseInsensitive("^.*\\.(mkv|mov|mp4|mpeg|webm|3g2|3gp|3gp2|3gpp|avi|divx|flv|wmv|asf|dvr-ms|m1v|m2p|m2v|mp2v|"
                         "mpe|mpg|qt|rm|rmvb|swf|ts|vob|vro|xvid|r3d|ari|braw|crm|cr3|hif|arx|dav|hdmov|mod|moi|tod|tp|"
                         "vro|qtm|rcproject|asx|wmp|wtv|fla|dmsm|psh|pss|scm|cpi|tprts|m2t|m2ts|mxf|avs|bik|vp6|fbr|"
                         "dream|stx|qpl|xlmv|pmg|3tf|m1a|m2a|m4v|mpeg4|mpv2|vod|wmv3g2)$")},
        {AudioFile,
         caseInsensitive("^.*\\.(aac|ac3|aif|aifc|aiff|alac|amr|flac|m4a|m4b|m4r|mp2|mp3|ogg|wav|wma|a52|aa|aa3|au|kar|"
                         "mid|midi|mp1|mpa|ra|ram|snd|voc|vqf|xm|oga|ogm|ogv|ogx|rmi|s3m|smi|smil|smp|smpl|stm|tix|wmp|"
                         "caf|aa3|at3|dvf|dmsa|dmse|emp|emx|cwp|omf|ptf|rns|rps|rfl|sib|flp|it|mtm|umx|dss|mka|mp\\+|"
                         "mpc|tak|tta|vpm)$")},
        {DocumentFile,
         caseInsensitive("^.*\\.(accdb|adp|csv|dif|doc|docm|docx|dot|dotm|dotx|mdi|mpp|mpt|pot|potm|potx|ppa|ppam|ppj|"
                         "pps|ppsm|ppsx|ppt|pptm|pptx|prn|pub|rtf|slk|xls|xlsb|xlsm|xlsx|xla|xlam|xlt|xltm|xltx|wps|wpt|"
                         "odp|ods|odt|ott|otp|key|numbers|pages|pdf|asd|chm|epub|efx|fb2|fdr|fdt|ftw|ini|log|lwp|ncx|"
                         "opf|p65|pmd|ps|puz|pwi|sdw|sdy|sig|stx|txt|xml|xms|xps|xsl|zdp|asp|bat|c|cls|cpp|go|h|hp|inf|"
                         "json|m|pyc|pyd|pyl|resx|scpt|scr|sln|suo|idml|indt|ufo)$")},
        {EmailFile, caseInsensitive("^.*\\.(msg|ost|pab|pst|dbx|wab|emlx|eml|mbox|mbx|mail|nsf|dci|edb|oeb)$")},
        {ArchiveFile,
         caseInsensitive("^.*\\.(7z|7zip|ace|rar|zip|zipx|bz|bzip|gz|gzip|tar|tgz|dmg|afz|alz|arc|arj|lzh|sea|sit|sitx|"
                         "zoo|cab|exe|msi|pf|sfx|pkg|deb|pup|iso|jar|war)$")},
    }};
    return patterns;
}

} // namespace

quint8 classifyFileType(const QString& displayPath)
{
    if (unsavedFolders().match(displayPath).hasMatch())
        return UnsavedFile;
    int slash = displayPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        slash = displayPath.lastIndexOf(QLatin1Char('\\'));
    const QString name = displayPath.mid(slash + 1);
    if (name.isEmpty())
        return OtherFile;
    if (!name.contains(QLatin1Char('.')))
        return ExtensionlessFile;
    for (const TypePattern& pattern : namePatterns()) {
        if (pattern.expression.match(name).hasMatch())
            return pattern.code;
    }
    return OtherFile;
}
