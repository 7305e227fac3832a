#pragma once
// The about box (frmAboutSpcl): maker, product title and the build's version.
#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// "1.0.0": the version the program was built as.
QString programVersion();
