#include "FileTreeNode.h"

QString FileTreeNode::documentPath(const FileTreeNode* node)
{
    return node ? DocumentInfo::filePath(node->record) : QString();
}
