#include "app/PortSelector.h"

#include <algorithm>
#include <thread>

#include "app/RememberedSettings.h"
#include "core/Register.h"

namespace orvan {

PortSelector::PortSelector(Register& image, Milliseconds settle, QWidget* parent)
    : QComboBox(parent), image_(image), settle_(settle) {
    // A choice on the closed list changes the shown port; it must become the used port as well.
    connect(this, &QComboBox::activated, this, [this] {
        if (!open_ && !closing_)
            emit listClosed();
    });
    connect(this, &PortSelector::listOpening, this, &PortSelector::Rebuild);
    connect(this, &PortSelector::listClosed, this, [this] {
        Confirm();
        RememberedSettings().SetLastPort(QString::fromStdString(current_));
    });
}

void PortSelector::Rebuild() {
    image_.ClosePort();
    std::this_thread::sleep_for(settle_);
    clear();
    paths_.clear();
    image_.portPaths.fill({});
    for (const std::string& path : image_.EnumeratePorts()) {
        if (path.empty())
            continue;
        if (static_cast<int>(paths_.size()) == kListSize)
            break;
        paths_.push_back(path);
        const QString name = QString::fromStdString(PortDisplayName(path));
        const std::string device = image_.DeviceFor(path);
        addItem(name);
        setItemData(count() - 1, device.empty() ? name : QString::fromStdString(device),
                    Qt::ToolTipRole);
    }
    if (!paths_.empty())
        current_ = paths_.front();
}

void PortSelector::ShowRemembered() {
    const std::string remembered = RememberedSettings().LastPort().toStdString();
    const auto found = std::find(paths_.begin(), paths_.end(), remembered);
    if (found != paths_.end())
        setCurrentIndex(static_cast<int>(found - paths_.begin()));
}

void PortSelector::Confirm() {
    image_.ClosePort();
    std::this_thread::sleep_for(settle_);
    const int k = currentIndex();
    if (k < 0 || k >= static_cast<int>(paths_.size()))
        return;
    const bool changed = paths_[k] != current_;
    current_ = paths_[k];
    if (changed)
        emit portChanged();
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
