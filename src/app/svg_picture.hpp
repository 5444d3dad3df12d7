#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace varnel::app {

// A picture from the program's resources, stretched over the whole widget.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString& resource, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSvgRenderer renderer_;
};

}  // namespace varnel::app
