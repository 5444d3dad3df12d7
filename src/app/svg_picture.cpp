#include "app/svg_picture.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace varnel::app {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer_.render(&painter, rect());
}

void SvgPicture::mousePressEvent(QMouseEvent* event) {
    // Only a click on the picture itself, not on a control placed over it.
    if (childAt(event->position().toPoint()) == nullptr) emit clicked();
    QWidget::mousePressEvent(event);
}

}  // namespace varnel::app
