// SPDX-License-Identifier: GPL-3.0-or-later
// Sets Qt's and (when installed) the C library's numeric locale for the length of a test.
#pragma once

#include <clocale>
#include <string>

#include <QLocale>

namespace kz::test {

class LocaleWacht {
public:
    explicit LocaleWacht(const char* naam) : vorigeQt_(QLocale()), vorigeC_(std::setlocale(LC_NUMERIC, nullptr)) {
        QLocale::setDefault(QLocale(QString::fromLatin1(naam)));
        cGezet_ = std::setlocale(LC_NUMERIC, naam) != nullptr;
    }
    ~LocaleWacht() {
        QLocale::setDefault(vorigeQt_);
        std::setlocale(LC_NUMERIC, vorigeC_.c_str());
    }
    LocaleWacht(const LocaleWacht&) = delete;
    LocaleWacht& operator=(const LocaleWacht&) = delete;

    // Whether the C library's numeric locale could be set (the system has it).
    bool cGezet() const { return cGezet_; }

private:
    QLocale vorigeQt_;
    std::string vorigeC_;
    bool cGezet_ = false;
};

} // namespace kz::test
