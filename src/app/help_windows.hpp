#pragma once

#include <QDialog>

namespace varnel::app {

// 客户服务: four ways to reach the support team.
class TFrmSupport : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSupport(QWidget* parent = nullptr);
};

// 关于系统: the program's name, version and contact lines beside its picture.
class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);
};

}  // namespace varnel::app
