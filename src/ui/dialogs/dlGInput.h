#pragma once
// The name dialog: a prompt, one line of text, OK and Cancel. What a name
// must be is decided by whoever opens it.
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace cardova::ui {

class dlGInput : public QDialog {
    Q_OBJECT
public:
    explicit dlGInput(const QString &caption, QWidget *parent = nullptr);

    // Shows `prompt` above `text`, the whole text selected for overtyping.
    void setUp(const QString &prompt, const QString &text);
    QString text() const;

    // Judges the text when OK is pressed: true closes the dialog, false keeps
    // it open with the focus back on the text. Every text passes by default.
    std::function<bool(const QString &text)> checkText;

private:
    void ok();

    QLabel *label_;
    QLineEdit *edit_;
    QPushButton *ok_;
    QPushButton *cancel_;
};

} // namespace cardova::ui
