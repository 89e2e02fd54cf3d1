#pragma once
class DocumentManager;
class QTextStream;

// One JSON line per folder of both trees and per file record (path, type code,
// counts, size, states), each tree depth first.
void dumpTrees(DocumentManager* manager, QTextStream& out);
