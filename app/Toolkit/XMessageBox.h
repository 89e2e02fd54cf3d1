#pragma once

#include "XDialog.h"

#include <QStringList>

class XPushButton;

// The program's message box: an icon, a word-wrapped text and a row of
// buttons numbered 1..n; the modal call returns the clicked number,
// defaultButtonId on Return or Enter, 0 when closed by the close button.
class XMessageBox : public XDialog
{
    Q_OBJECT
public:
    enum IconKind {
        NoIcon = 0,
        QuestionIcon = 1,
        InformationIcon = 2,
        SuccessIcon = 3,
        LoadingIcon = 4,
    };
    Q_ENUM(IconKind)

    enum ButtonStyle {
        NoButtonStyle = 0,
        WeakButtonStyle = 1,
        StrongButtonStyle = 2,
        SuperButtonStyle = 4,
        FirstButtonStyle = 1,
        LastButtonStyle = 256,
    };
    Q_DECLARE_FLAGS(ButtonStyles, ButtonStyle)
    Q_FLAG(ButtonStyles)

    explicit XMessageBox(QWidget* parent = nullptr);
    ~XMessageBox() override;

    static int showMessage(QWidget* parent, IconKind kind, const QString& title, const QString& text,
                           const QStringList& buttons, int defaultButtonId = -1,
                           bool richText = false, ButtonStyles styles = NoButtonStyle);
    static int question(QWidget* parent, const QString& title, const QString& text,
                        const QStringList& buttons, int defaultButtonId = -1, bool richText = false,
                        ButtonStyles styles = NoButtonStyle);
    static int information(QWidget* parent, const QString& title, const QString& text,
                           const QStringList& buttons, int defaultButtonId = -1,
                           bool richText = false, ButtonStyles styles = NoButtonStyle);
    static int success(QWidget* parent, const QString& title, const QString& text,
                       const QStringList& buttons, int defaultButtonId = -1, bool richText = false,
                       ButtonStyles styles = NoButtonStyle);

    void setIconKind(IconKind kind);
    void setText(const QString& text, bool richText = false);
    void setButtons(const QStringList& texts, int defaultButtonId, ButtonStyles styles);
    void createButtons();
    void addButton(XPushButton* button, const QString& text, int id);

    QList<XPushButton*> buttons() const;
    int defaultButtonId() const;

    // The colour scheme each button gets, in row order.
    enum Scheme { Weak, Strong, Super };
    static QVector<Scheme> schemesFor(int buttonCount, int defaultButtonId, ButtonStyles styles);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A wrapped text longer than the box's first guess (a long message in a
    // wide script) gets the lines it needs, up to the box's largest size.
    void showEvent(QShowEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(XMessageBox::ButtonStyles)
