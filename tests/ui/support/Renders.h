#pragma once

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

namespace zelt::test {

// Number of pixels in the rectangle dark enough to be text or a frame line.
inline int DarkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    return count;
}

// Keeps a picture of what a test drew in the build's "renders" folder, for a person to look
// at; the tests do not compare these files.
inline ::testing::AssertionResult SaveRender(const QImage& image, const QString& fileName) {
    const QString folder = QStringLiteral(QT_TESTCASE_BUILDDIR "/renders");
    if (!QDir().mkpath(folder)) {
        return ::testing::AssertionFailure() << "cannot make " << folder.toStdString();
    }
    const QString path = folder + QLatin1Char('/') + fileName;
    if (!image.save(path)) {
        return ::testing::AssertionFailure() << "cannot save " << path.toStdString();
    }
    return ::testing::AssertionSuccess();
}

} // namespace zelt::test
