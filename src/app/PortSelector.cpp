#include "app/PortSelector.h"

#include "core/Register.h"

namespace orvan {

PortSelector::PortSelector(QWidget* parent) : QComboBox(parent) {
    // A choice on the closed list changes the shown port; it must become the used port as well.
    connect(this, &QComboBox::activated, this, [this] {
        if (!open_ && !closing_)
            emit listClosed();
    });
}

std::vector<std::string> PortSelector::Fill(Register& image, int limit) {
    clear();
    std::vector<std::string> paths;
    image.portPaths.fill({});
    for (const std::string& path : image.EnumeratePorts()) {
        if (path.empty())
            continue;
        if (static_cast<int>(paths.size()) == limit)
            break;
        paths.push_back(path);
        const QString name = QString::fromStdString(PortDisplayName(path));
        const std::string device = image.DeviceFor(path);
        addItem(name);
        setItemData(count() - 1, device.empty() ? name : QString::fromStdString(device),
                    Qt::ToolTipRole);
    }
    return paths;
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
