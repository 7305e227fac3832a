#pragma once
// Entry boxes select their whole text when they get the focus, so typing replaces it.
#include <QObject>

class QLineEdit;

class SelectAllOnFocus : public QObject {
    Q_OBJECT
  public:
    // Installs itself on the box (and is owned by it).
    static void install(QLineEdit* box);

  protected:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
