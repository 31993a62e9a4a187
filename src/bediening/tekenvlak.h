// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace kz {

// The picture box that the image export draws into. It is never shown; its image keeps
// what has been drawn into it.
class Tekenvlak : public QWidget {
    Q_OBJECT
public:
    explicit Tekenvlak(QWidget* container);
    void setVisible(bool) override;

    QImage beeld;
};

} // namespace kz
