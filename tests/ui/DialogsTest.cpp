#include "ModalAnswer.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CSelectKeyboard.h"
#include "dialogs/CTextFileNamePath.h"
#include "dialogs/PortChoiceDialog.h"
#include "seams/WidgetCommandDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace zelt {
namespace {

using test::AnswerNextModal;

TEST(PortChoiceDialog, OffersPs2PreselectedAndUsb) {
    PortChoiceDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Communication Port"));
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("Port Name:"));
    QComboBox* list = dialog.PortList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("PS/2"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("USB"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(dialog.Choice(), CommPort::Ps2);
    list->setCurrentIndex(1);
    EXPECT_EQ(dialog.Choice(), CommPort::Usb);
}

TEST(WidgetCommandDialogs, PortChoiceEndsOnlyWithOkAsAChoice) {
    WidgetCommandDialogs dialogs;
    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    EXPECT_EQ(dialogs.ChoosePort(), CommPort::Ps2);

    AnswerNextModal([](QWidget* modal) {
        modal->findChild<QComboBox*>(QStringLiteral("portList"))->setCurrentIndex(1);
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(dialogs.ChoosePort(), CommPort::Usb);

    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.ChoosePort(), std::nullopt);

    AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.ChoosePort(), std::nullopt);

    AnswerNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(dialogs.ChoosePort(), std::nullopt);
}

TEST(WidgetCommandDialogs, SelectKeyboardConfirmsOnlyWithYes) {
    WidgetCommandDialogs dialogs;
    const auto click = [](const char* name) {
        return [name](QWidget* modal) {
            modal->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        };
    };
    AnswerNextModal(click("yesButton"));
    EXPECT_TRUE(dialogs.ConfirmSelectKeyboard());
    AnswerNextModal(click("noButton"));
    EXPECT_FALSE(dialogs.ConfirmSelectKeyboard());
    AnswerNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(dialogs.ConfirmSelectKeyboard());
    // Enter takes the safe answer.
    AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_FALSE(dialogs.ConfirmSelectKeyboard());
}

TEST(CSelectKeyboard, ShowsBothLinesOfTheWarning) {
    CSelectKeyboard dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Keyboard"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("question"))->text(),
              QStringLiteral("Are you sure to select another keyboard?"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("warning"))->text(),
              QStringLiteral("This will clear the active template data !!!"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("yesButton"))->text(),
              QStringLiteral("Yes"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("noButton"))->text(),
              QStringLiteral("No"));
}

TEST(CAboutDlg, ShowsIconVersionMakerLinesAndOk) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About ZELT"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("versionText"))->text(),
              QStringLiteral("Keyboard Editor Version 1.1.2.1"));
    const QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("programIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    for (int line = 1; line <= 3; ++line) {
        const QLabel* maker = dialog.findChild<QLabel*>(QStringLiteral("makerLine%1").arg(line));
        ASSERT_NE(maker, nullptr) << line;
        EXPECT_FALSE(maker->text().isEmpty());
    }
    const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    EXPECT_EQ(buttons->standardButtons(), QDialogButtonBox::Ok);

    WidgetCommandDialogs dialogs;
    bool shown = false;
    AnswerNextModal([&shown](QWidget* modal) {
        shown = modal->windowTitle() == QStringLiteral("About ZELT");
        static_cast<QDialog*>(modal)->accept();
    });
    dialogs.ShowAbout();
    EXPECT_TRUE(shown);
}

TEST(WidgetCommandDialogs, FileDialogsOfferAllFilesAndReturnTheChosenPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("layout-\u00e9.bin"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    WidgetCommandDialogs dialogs;
    QStringList filters;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto opened = dialogs.GetOpenTemplatePath(QFile::encodeName(dir.path()).toStdString());
    EXPECT_EQ(filters, QStringList{QStringLiteral("All Files (*)")});
    EXPECT_EQ(opened, QFile::encodeName(existing).toStdString());

    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.GetOpenTemplatePath(QFile::encodeName(dir.path()).toStdString()),
              std::nullopt);

    const QString target = dir.filePath(QStringLiteral("saved"));
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(target);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.GetSaveTemplatePath(QFile::encodeName(target).toStdString()),
              QFile::encodeName(target).toStdString());
}

TEST(CTextFileNamePath, NamedAfterItsCommandAndOfferingTextTemplates) {
    for (const auto action : {TextFileAction::Import, TextFileAction::Export}) {
        CTextFileNamePath dialog(action, QDir::tempPath());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text File Template Import/Export"));
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Text file template(*.txt)")});
        EXPECT_EQ(dialog.labelText(QFileDialog::Accept), action == TextFileAction::Import
                                                             ? QStringLiteral("Import")
                                                             : QStringLiteral("Export"));
        EXPECT_EQ(dialog.fileMode(), action == TextFileAction::Import ? QFileDialog::ExistingFile
                                                                      : QFileDialog::AnyFile);
    }
}

TEST(WidgetCommandDialogs, ExportNameGetsTheTextExtension) {
    QTemporaryDir dir;
    WidgetCommandDialogs dialogs;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(dir.filePath(QStringLiteral("keys")));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.GetTextTemplatePath(TextFileAction::Export,
                                          QFile::encodeName(dir.path()).toStdString()),
              QFile::encodeName(dir.filePath(QStringLiteral("keys.txt"))).toStdString());
    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.GetTextTemplatePath(TextFileAction::Import,
                                          QFile::encodeName(dir.path()).toStdString()),
              std::nullopt);
}

TEST(PresetPortDialogs, AnswersThePortQuestionWithoutADialog) {
    WidgetCommandDialogs inner;
    PresetPortDialogs usb(inner, CommPort::Usb);
    EXPECT_EQ(usb.ChoosePort(), CommPort::Usb);
    PresetPortDialogs ps2(inner, CommPort::Ps2);
    EXPECT_EQ(ps2.ChoosePort(), CommPort::Ps2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace zelt
