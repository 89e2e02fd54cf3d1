#pragma once
#include "XDialog.h"

// Covers the pause while a scan's results are released on the way Home. It
// has no title bar, so the user cannot close it.
class DataReleaseWaitDialog : public XDialog {
    Q_OBJECT
public:
    explicit DataReleaseWaitDialog(QWidget* parent = nullptr);
    ~DataReleaseWaitDialog() override;
};
