#pragma once

// Dialog controls carry their control id as the "controlId" property; these checks hold a
// dialog's ids against the expected object names, so that an id on the wrong control is caught
// even where the object names alone are right.

#include <QString>
#include <QVariant>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zelt::test {

using ControlIdTable = std::vector<std::pair<int, const char*>>;

// The one control of the dialog that carries the id, or null; two controls with one id fail.
inline const QWidget* ControlWithId(const QWidget& dialog, int id) {
    const QWidget* found = nullptr;
    for (const QWidget* child : dialog.findChildren<QWidget*>()) {
        if (child->property("controlId").toInt() == id) {
            EXPECT_EQ(found, nullptr) << "two controls with id " << id;
            found = child;
        }
    }
    return found;
}

inline void ExpectControlIds(const QWidget& dialog, const ControlIdTable& ids) {
    for (const auto& [id, name] : ids) {
        const QWidget* control = ControlWithId(dialog, id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->objectName(), QString::fromLatin1(name)) << id;
    }
}

} // namespace zelt::test
