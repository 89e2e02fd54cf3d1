#pragma once
#include "XDialog.h"

// "Cannot detect your drive?": what to try, a support link and "Got it".
class NoLocalDiskDialog : public XDialog
{
    Q_OBJECT
public:
    explicit NoLocalDiskDialog(QWidget* parent = nullptr);

    // The maker's support page, or empty when no web site is configured.
    static QString supportAddress();

public slots:
    void openSupportPage();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupUi();
};
