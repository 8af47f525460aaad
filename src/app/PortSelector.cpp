#include "app/PortSelector.h"

namespace orvan {

PortSelector::PortSelector(QWidget* parent) : QComboBox(parent) {
    // A choice on the closed list changes the shown port; it must become the used port as well.
    connect(this, &QComboBox::activated, this, [this] {
        if (!open_ && !closing_)
            emit listClosed();
    });
}

void PortSelector::showPopup() {
    emit listOpening();
    open_ = true;
    QComboBox::showPopup();
}

void PortSelector::hidePopup() {
    QComboBox::hidePopup();
    if (!open_)
        return;
    open_ = false;
    // Qt applies a clicked entry only after hiding the list: announce once it has.
    closing_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            closing_ = false;
            emit listClosed();
        },
        Qt::QueuedConnection);
}

}  // namespace orvan
