#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;
class QPushButton;

// A rounded search field with a search button and a clear button.
class XSearchBox : public QWidget
{
    Q_OBJECT
public:
    explicit XSearchBox(QWidget* parent = nullptr);
    ~XSearchBox() override;

    void clear(bool silent);
    void setPlaceholderText(const QString& text);
    void setSearchIcon(const QString& path);
    void setClearIcon(const QString& path);

    QLineEdit* lineEdit() const;
    QPushButton* searchButton() const;
    QPushButton* clearButton() const;

signals:
    void search(QString text);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
