#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>

namespace cardova::ui {

// The start window: artwork and version. After 2000 ms, or at the first
// click or key, it closes and the program goes on (once).
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(std::function<void()> continueStart, QWidget *parent = nullptr);
    QTimer Timer1;
    void ContinueStart();
    bool continued() const { return continued_; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<void()> continue_;
    bool continued_ = false;
};

} // namespace cardova::ui
