// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_facts.h"

#include "kalvora_version.h"

#include <QGuiApplication>

void setApplicationFacts() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kalvora::version::kProduct));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kalvora::version::kCompany));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kalvora::version::kFileVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kalvora::version::kAppId));
}
