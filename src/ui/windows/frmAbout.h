#pragma once
#include <QDialog>

namespace cardova {
class cData;
}

namespace cardova::ui {

// "About Cardova": the name, a picture, the version and a few notices.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const cData &data, QWidget *parent = nullptr);
};

} // namespace cardova::ui
