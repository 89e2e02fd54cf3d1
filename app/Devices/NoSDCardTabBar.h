#pragma once
#include <QWidget>

class QPushButton;

// Two checkable tab buttons in a rounded frame; exactly one is checked.
class NoSDCardTabBar : public QWidget
{
    Q_OBJECT
public:
    explicit NoSDCardTabBar(QWidget* parent = nullptr);
    void setTabs(const QString& first, const QString& second);
    QPushButton* button(int index) const { return index == 0 ? first_ : second_; }

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void select(int index);

    QPushButton* first_;
    QPushButton* second_;
};
