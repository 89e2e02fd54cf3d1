#pragma once
#include "Modules/PageWidget.h"

#include <memory>

class FileSystemPathDisplayData;
class ScanProgressPanel;
class SearchDataPanel;

// The results module's page: the search header, the results page and the
// scan progress panel stacked, their buttons wired together; it starts the
// results tour on entry and asks before the program closes.
class RecoveryStoragePage : public PageWidget {
    Q_OBJECT
public:
    explicit RecoveryStoragePage(QWidget* parent = nullptr);
    ~RecoveryStoragePage() override;

    void enter() override;
    int confirmClose() override;

    SearchDataPanel* searchPanel() const;
    FileSystemPathDisplayData* displayData() const;
    ScanProgressPanel* progressPanel() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
