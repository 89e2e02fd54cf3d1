#include "DocumentManagerPrivate.h"

#include "EngineTime.h"
#include "FileTreeNodeObserverRegistry.h"
#include "FileTypeClassifier.h"
#include "FolderCategory.h"
#include "FoundPath.h"
#include "NodeTypeCode.h"

#include "SizeText.h"
#include "spdlog_qt.h"

#include <QStringList>
#include <QVarLengthArray>

#include <array>
#include <vector>

namespace {

FileRecordFields eventFields(const EngineEventItem& item)
{
    FileRecordFields fields;
    fields.volumeIndex = item.volumeIndex();
    fields.diskIndex = item.diskIndex();
    fields.eventKind = item.kind();
    fields.pathState = item.pathState();
    fields.deletedState = item.deletedState();
    fields.dataState = item.dataState();
    fields.size = qint64(item.fileSize());
    return fields;
}

// The extension folder of a file whose name was lost: text after the first "." of the name.
QString lostNameExtension(const QString& name)
{
    const int dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 || dot == name.size() - 1 ? QString() : name.mid(dot + 1).toLower();
}

// Cuts UTF-8 bytes to at most limit without splitting a character.
QByteArray utf8Prefix(const QByteArray& bytes, int limit)
{
    if (bytes.size() <= limit)
        return bytes;
    int length = limit;
    while (length > 0 && (uchar(bytes[length]) & 0xC0) == 0x80)
        --length;
    return bytes.left(length);
}

// "All Files/<type>" of every type code, made once.
const QByteArray& typeFolderPath(quint8 typeCode)
{
    static const std::array<QByteArray, 256> paths = [] {
        std::array<QByteArray, 256> all;
        for (int code = 0; code < 256; ++code)
            all[size_t(code)] = (QStringLiteral("All Files/") + englishTypeName(quint16(code))).toUtf8();
        return all;
    }();
    return paths[typeCode];
}

// Lower case as QString::toLower gives it, without decoding ASCII text.
QByteArray lowerCaseUtf8(QByteArray text)
{
    for (char& c : text) {
        if (uchar(c) >= 128)
            return QString::fromUtf8(text).toLower().toUtf8();
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    }
    return text;
}

} // namespace

void DocumentManagerPrivate::addDocumentToNode(FileTreeNode* node, DocumentInfo* record, bool pass)
{
    node->storeFileCount(node->fileCount + 1);
    node->record->size += record->size;
    if (pass && node->record->checkState(false) == Qt::Checked) {
        node->record->exchangeCheckState(false, Qt::PartiallyChecked);
        FileTreeNodeObserverRegistry::instance().notifyNode(node, node, node->record,
                                                            FileTreeNodeEventType::StateChanged);
    }
}

void DocumentManagerPrivate::updatePassingCount(FileTreeNode* node, bool pass, bool filterActive)
{
    if (filterActive && node->passingCount == 0 && pass && !node->record->passesFilter()) {
        auto& registry = FileTreeNodeObserverRegistry::instance();
        registry.notifyNode(node->parent, node, nullptr, FileTreeNodeEventType::NodeVisible);
        registry.notifyAll(node, nullptr, FileTreeNodeEventType::NodeVisible);
    }
    node->storePassingCount(node->passingCount + (pass ? 1 : 0));
    node->record->setFlagBit(DocumentInfo::PassesFilterBit, node->passingCount != 0);
}

FileTreeNode* DocumentManagerPrivate::createFolder(FileTreeNode* parent, PathIndex& index, DocumentInfo* record,
                                                   bool pass, bool filterActive)
{
    auto* node = new FileTreeNode;
    node->parent = parent;
    node->record = record;
    node->storeFileCount(1);
    node->storePassingCount(pass ? 1 : 0);
    record->setFlagBit(DocumentInfo::FilterEvaluatedBit, filterActive);
    record->setFlagBit(DocumentInfo::PassesFilterBit, pass);
    index.insert(PathKey::of(record), node);
    parent->entries.append(record);
    auto& registry = FileTreeNodeObserverRegistry::instance();
    registry.notifyNode(parent, parent, record, FileTreeNodeEventType::DocumentAdded);
    registry.notifyAll(node, record, FileTreeNodeEventType::NodeCreated);
    return node;
}

void DocumentManagerPrivate::addFoundFile(const EngineEventItem& item)
{
    // The display path is "volume/folders.../name", already cleaned by the intake;
    // an item queued by other means is cleaned here.
    const QString displayPath = cleanDisplayPath(item.path);
    const int partCount = displayPath.isEmpty() ? 0 : displayPath.count(QLatin1Char('/')) + 1;
    quint8 targetCode;
    bool haveRoot;
    {
        std::shared_lock lock(treeLock);
        targetCode = scanTargetCode;
        haveRoot = folderRoot != nullptr;
    }
    if (partCount < 2 || !haveRoot) {
        logError(QStringLiteral("Invalid file path structure - Path: %1, Parts count: %2, TopNode exists: %3")
                     .arg(item.path)
                     .arg(partCount)
                     .arg(haveRoot ? 1 : 0));
        return;
    }
    const int firstSlash = displayPath.indexOf(QLatin1Char('/'));
    // Parts of the path as texts only where a case needs them: most files need none.
    auto volume = [&] { return displayPath.left(firstSlash); };
    auto inVolume = [&] { return displayPath.mid(firstSlash + 1); };
    auto name = [&] { return displayPath.mid(displayPath.lastIndexOf(QLatin1Char('/')) + 1); };
    // The whole path as it stands inside its volume, before any top folder is inserted.
    const quint8 typeCode = item.prepared ? item.typeCode : classifyFileType(driveAnchoredPath(inVolume()));
    const bool wholeDisk = targetCode == LocalDisk || targetCode == ExternalDisk;
    QString diskFolder = item.volumeName;
    diskFolder.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (diskFolder.isEmpty())
        diskFolder = volume();

    // Top folders go between the volume and the path inside it.
    FileRecordFields fields = eventFields(item);
    QStringList inserted;
    const bool lost = item.lostPartitionFlag() == 1;
    if (lost) {
        std::unique_lock lock(treeLock);
        const quint32 number = item.lostPartitionNumber();
        if (lostPartitionCounter == 0xFFFFFFFF)
            lostPartitionCounter = (number << 16) | 1;
        else if ((lostPartitionCounter >> 16) != number)
            lostPartitionCounter = (number << 16) | ((lostPartitionCounter + 1) & 0xFFFF);
        inserted.append(QStringLiteral("%1 - %2 (%3)")
                            .arg(QStringLiteral("Lost Partition"))
                            .arg(lostPartitionCounter & 0xFFFF)
                            .arg(DocumentManager::eventKindName(item.kind())));
    } else {
        if (wholeDisk)
            inserted.append(diskFolder);
        if (targetCode != RecycleBinFolder && item.deletedState() == 2)
            inserted.append(QStringLiteral("$RECYCLE.BIN"));
        if (item.pathState() == 1) {
            inserted.append(QStringLiteral("File Path Lost"));
        } else if (item.pathState() == 2) {
            inserted.append(QStringLiteral("File Name Lost"));
            inserted.append(englishTypeName(typeCode));
            inserted.append(lostNameExtension(name()));
        }
    }

    QByteArray path = inserted.isEmpty()
                          ? displayPath.toUtf8()
                          : (volume() + QLatin1Char('/') + inserted.join(QLatin1Char('/')) + QLatin1Char('/')
                             + inVolume())
                                .toUtf8();
    if (path.size() > DocumentInfo::maxPathBytes) {
        // The record's length field is 16 bits: keep the file under its volume's
        // "File Path Lost" folder with its name instead of a cut path.
        logError(QStringLiteral("Path too long for a record (%1 bytes), filed under File Path Lost: %2")
                     .arg(path.size())
                     .arg(name().left(200)));
        QStringList head{volume()};
        if (wholeDisk && !lost)
            head.append(diskFolder);
        head.append(QStringLiteral("File Path Lost"));
        const QByteArray headBytes = (head.join(QLatin1Char('/')) + QLatin1Char('/')).toUtf8();
        const QByteArray nameBytes = utf8Prefix(name().toUtf8(), DocumentInfo::maxPathBytes - headBytes.size());
        path = headBytes + nameBytes;
        fields.pathState = 1;
    }

    fields.typeCode = typeCode;
    fields.timeMs = engineTimeToMs(item.engineTime());
    fields.runs = &item.runs;
    fields.path = path;
    fields.sizeText = item.prepared ? item.sizeText() : formatFileSize(item.fileSize(), 2, false).toUtf8();
    fields.timeText = item.prepared ? item.timeText() : engineTimeTextUtf8(fields.timeMs);
    QString error;
    DocumentInfo* record = createFileRecord(fields, &error);
    if (!record) {
        logError(error);
        return;
    }
    const DocumentManager::FilterFunction filterNow = currentFilter();
    const bool filterActive = static_cast<bool>(filterNow);
    const bool pass = !filterActive || filterNow(record);
    record->setFlagBit(DocumentInfo::PassesFilterBit, pass);

    FolderCategoryContext context;
    context.lostPartitionEvent = lost;
    context.pathState = fields.pathState;
    context.scanTargetCode = targetCode;
    context.volumeCategory = item.volumeCategory();
    context.isExternal = item.isExternal();
    context.isSystem = item.isSystem();
    // ends[k - 1]: where the prefix of k components ends; the last component is the name.
    QVarLengthArray<int, 32> ends;
    for (int i = 0; i < path.size(); ++i) {
        if (path[i] == '/')
            ends.append(i);
    }
    const int folderParts = ends.size();
    ends.append(path.size());
    auto componentAt = [&](int index) {
        const int begin = index == 0 ? 0 : ends[index - 1] + 1;
        return QString::fromUtf8(path.constData() + begin, ends[index] - begin);
    };
    auto& registry = FileTreeNodeObserverRegistry::instance();
    // The extension folder: the name's text after its last ".", lower-cased; the
    // name is the path's last component, so it is read from the bytes.
    QByteArray suffix;
    for (int dot = path.size() - 1; dot > ends[folderParts - 1]; --dot) {
        if (path[dot] != '.')
            continue;
        if (dot < path.size() - 1)
            suffix = lowerCaseUtf8(path.mid(dot + 1));
        break;
    }

    // Counts, flags and entries change only under the write lock: GUI readers hold the read side.
    std::unique_lock lock(treeLock);
    if (!folderRoot || !typeRoot) {
        freeRecord(record);
        return;
    }
    // The deepest existing folder is probed first: its ancestors exist, so in the
    // common case one hash probe finds the whole chain through the parent links.
    int next = folderParts;
    FileTreeNode* deepest = folderRoot;
    for (; next >= 2; --next) {
        if (FileTreeNode* found = lookup(folderIndex, path.constData(), ends[next - 1])) {
            deepest = found;
            break;
        }
    }
    next = qMax(next + 1, 2);
    QVarLengthArray<FileTreeNode*, 32> chain;
    for (FileTreeNode* n = deepest; n; n = n->parent)
        chain.append(n);
    for (int i = chain.size() - 1; i >= 0; --i) {
        addDocumentToNode(chain[i], record, pass);
        updatePassingCount(chain[i], pass, filterActive);
    }
    FileTreeNode* node = deepest;
    bool placed = true;
    for (; next <= folderParts; ++next) {
        const int depth = next - 1;
        DocumentInfo* folder = createFolderRecord(path.left(ends[next - 1]),
                                                  folderCategoryCode(componentAt(depth), depth, context),
                                                  DocumentInfo::FolderTreeLevel, fields, item.engineTime());
        if (!folder) {
            logError(QStringLiteral("Failed to allocate memory for DocumentInfo, size: %1 bytes")
                         .arg(DocumentInfo::headerSize + ends[next - 1]));
            placed = false;
            break;
        }
        node = createFolder(node, folderIndex, folder, pass, filterActive);
    }
    if (placed) {
        node->entries.append(record);
        registry.notifyNode(node, node, record, FileTreeNodeEventType::DocumentAdded);
    }

    // Type tree: it owns the file record, so the record always ends in one of its folders.
    addDocumentToNode(typeRoot, record, pass);
    updatePassingCount(typeRoot, pass, filterActive);
    FileTreeNode* typeNode = typeRoot;
    QByteArray key = typeFolderPath(typeCode);
    for (int level = 0; level < (typeCode == ExtensionlessFile ? 1 : 2); ++level) {
        if (level == 1) {
            key.reserve(key.size() + 1 + suffix.size());
            key += '/';
            key += suffix;
        }
        if (FileTreeNode* found = lookup(typeIndex, key.constData(), key.size())) {
            addDocumentToNode(found, record, pass);
            updatePassingCount(found, pass, filterActive);
            typeNode = found;
            continue;
        }
        DocumentInfo* folder = createFolderRecord(key, PlainFolder, DocumentInfo::TypeTreeLevel, fields,
                                                  item.engineTime());
        if (!folder) {
            logError(QStringLiteral("Failed to allocate memory for DocumentInfo, size: %1 bytes")
                         .arg(DocumentInfo::headerSize + key.size()));
            break;
        }
        typeNode = createFolder(typeNode, typeIndex, folder, pass, filterActive);
    }
    typeNode->entries.append(record);
    registry.notifyNode(typeNode, typeNode, record, FileTreeNodeEventType::DocumentAdded);
}

void DocumentManagerPrivate::buildTrees(const ScanTargetInfo& target)
{
    FileRecordFields none;
    scanTargetCode = target.nodeTypeCode;
    DocumentInfo* rootRecord = createFolderRecord(target.name.toUtf8(), target.nodeTypeCode,
                                                  DocumentInfo::FolderTreeLevel, none, 0);
    DocumentInfo* typeRecord = createFolderRecord(QByteArrayLiteral("All Files"), AllFilesRoot,
                                                  DocumentInfo::TypeTreeLevel, none, 0);
    if (!rootRecord || !typeRecord) {
        logError("Failed to allocate the roots of the found-file trees");
        freeRecord(rootRecord);
        freeRecord(typeRecord);
        return;
    }
    folderRoot = new FileTreeNode;
    folderRoot->record = rootRecord;
    folderIndex.insert(PathKey::of(rootRecord), folderRoot);
    typeRoot = new FileTreeNode;
    typeRoot->record = typeRecord;
    typeIndex.insert(PathKey::of(typeRecord), typeRoot);
    for (quint8 code : {PhotoFolder, VideoFolder, AudioFolder, DocumentFolder, EmailFolder, ArchiveFolder,
                        OthersFolder, ExtensionlessFileFolder, UnsavedFileFolder}) {
        const QByteArray path = QStringLiteral("%1/%2").arg(QStringLiteral("All Files"), englishTypeName(code)).toUtf8();
        DocumentInfo* record = createFolderRecord(path, code, DocumentInfo::TypeTreeLevel, none, 0);
        if (!record)
            continue;
        auto* node = new FileTreeNode;
        node->parent = typeRoot;
        node->record = record;
        typeIndex.insert(PathKey::of(record), node);
        typeRoot->entries.append(record);
    }
}

void DocumentManagerPrivate::releaseTree(FileTreeNode* root, const PathIndex& index, bool keepFileRecords)
{
    // Every node of a tree, its root included, is in that tree's index: walking the
    // index frees each node once, and no key is compared after its record is freed.
    Q_UNUSED(root);
    const std::vector<FileTreeNode*> nodes = index.nodes();
    if (!keepFileRecords) {
        for (FileTreeNode* node : nodes) {
            for (DocumentInfo* entry : node->entries) {
                if (entry->isFile())
                    freeRecord(entry);
            }
        }
    }
    for (FileTreeNode* node : nodes) {
        freeRecord(node->record);
        delete node;
    }
}

void DocumentManagerPrivate::releaseTrees()
{
    // Posted pointers from before this point are stale from now on.
    generation.fetch_add(1, std::memory_order_acq_rel);
    searchResults.clear();
    searchResults.squeeze();
    releaseTree(folderRoot, folderIndex, true);
    releaseTree(typeRoot, typeIndex, false);
    folderRoot = nullptr;
    typeRoot = nullptr;
    folderIndex.clear();
    typeIndex.clear();
}
