#include "TreeDump.h"

#include "DocumentManager.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <vector>

namespace {

void dumpTree(DocumentManager* manager, FileTreeNode* root, const char* tree, QTextStream& out)
{
    if (!root)
        return;
    std::vector<FileTreeNode*> stack{root};
    while (!stack.empty()) {
        FileTreeNode* node = stack.back();
        stack.pop_back();
        out << QJsonDocument(QJsonObject{{"tree", tree},
                                         {"folder", FileTreeNode::documentPath(node)},
                                         {"type", int(node->record->typeCode)},
                                         {"files", qint64(node->fileCount)},
                                         {"passing", qint64(node->passingCount)},
                                         {"size", node->record->size}})
                   .toJson(QJsonDocument::Compact)
            << '\n';
        for (auto it = node->entries.crbegin(); it != node->entries.crend(); ++it) {
            DocumentInfo* entry = *it;
            if (!entry->isFile()) {
                if (FileTreeNode* child = manager->findFolderNode(static_cast<const DocumentInfo*>(entry)))
                    stack.push_back(child);
                continue;
            }
            out << QJsonDocument(QJsonObject{{"tree", tree},
                                             {"file", DocumentInfo::filePath(entry)},
                                             {"type", int(entry->typeCode)},
                                             {"size", entry->size},
                                             {"deleted", int(entry->deletedState())},
                                             {"pathState", int(entry->pathState())},
                                             {"kind", int(entry->eventKind())},
                                             {"time", DocumentInfo::timeText(entry)},
                                             {"runs", DocumentInfo::dataRuns(entry).size()}})
                       .toJson(QJsonDocument::Compact)
                << '\n';
        }
    }
}

} // namespace

void dumpTrees(DocumentManager* manager, QTextStream& out)
{
    // Called once the model is idle; the lookups take the tree lock themselves.
    dumpTree(manager, manager->pathTreeRoot(), "folder", out);
    dumpTree(manager, manager->typeTreeRoot(), "type", out);
}
