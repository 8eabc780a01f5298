#include "ui/workbookfile.h"

#include "platform/platform.h"
#include "ui/dialogs.h"

#include <QDir>

namespace workbookfile {

QString saveAndOpen(QWidget* parent, const QString& folder, const workbook::Book& book) {
    const QString path = workbook::newFilePath(folder, book.title());
    QString error;
    if (path.isEmpty()) {
        Dialogs::warning(parent, QStringLiteral("สร้างโฟลเดอร์สำหรับไฟล์Excelไม่ได้\n") +
                                     QDir::toNativeSeparators(folder));
        return {};
    }
    if (!book.save(path, &error)) {
        Dialogs::warning(parent, QStringLiteral("บันทึกไฟล์Excelไม่ได้\n") +
                                     QDir::toNativeSeparators(path) + QLatin1Char('\n') + error);
        return {};
    }
    if (!Platform::instance().openWithShell(path))
        Dialogs::info(parent,
                      QStringLiteral("ไม่พบโปรแกรมสำหรับเปิดไฟล์Excelในเครื่องนี้\nไฟล์ถูกบันทึกไว้ที่\n") +
                          QDir::toNativeSeparators(path));
    return path;
}

} // namespace workbookfile
