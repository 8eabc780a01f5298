#include "exchange/gui/exchangedesk.h"

#include "common/backups.h"
#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "exchange/rowrefused.h"
#include "exchange/sheetfile.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"

#include <QComboBox>

#include <QFile>

namespace exchangedesk {

QString betsLocation(Desk& desk) {
    return desk.betsLocation(SettingsRecord(desk.own()).lanAuto());
}

std::unique_ptr<Database> openLocation(Desk& desk, const QString& location) {
    return location.isEmpty() ? desk.openOwn() : Database::openExisting(location);
}

std::unique_ptr<Database> openBets(Desk& desk) {
    return openLocation(desk, betsLocation(desk));
}

bool copyBefore(Desk& desk, QWidget* parent, const QString& prefix) {
    CopyResult copy;
    try {
        copy = desk.backups().numberedCopy(prefix);
    } catch (const StoreError& error) {
        copy.detail = error.message();
    }
    if (copy.written())
        return true;
    if (copy.status == CopyResult::Damaged) {
        desk.bookFoundDamaged();
        return false;
    }
    return Dialogs::question(parent, QStringLiteral("ทำสำเนาฐานข้อมูลก่อนเพิ่มข้อมูลไม่ได้\n%1\n%2\n"
                                                    "ต้องการทำต่อหรือไม่ ?")
                                         .arg(copy.file, copy.detail));
}

QStringList customerNames(Desk& desk, Database& book) {
    return customers::names(book, SettingsRecord(desk.own()).customersByName());
}

QComboBox* customerBox(QWidget* parent, Desk& desk, QString* code) {
    QComboBox* box = choiceBox(parent, "dbc1", false);
    try {
        box->addItems(customerNames(desk, *openBets(desk)));
    } catch (const StoreError& error) {
        Dialogs::warning(parent, error.message());
    }
    showChoiceText(box, customers::combined());
    QObject::connect(box, qOverload<int>(&QComboBox::activated), parent,
                     [parent, box, &desk, code](int index) {
                         try {
                             *code = customerCode(*openBets(desk), box->itemText(index));
                         } catch (const StoreError& error) {
                             Dialogs::warning(parent, error.message());
                         }
                     });
    return box;
}

QString customerCode(Database& book, const QString& name) {
    const QVariant code = book.scalar(QStringLiteral("SELECT id FROM cus WHERE name = ?"), {name});
    return code.isValid() && !code.isNull() ? code.toString() : name;
}

QString failureText(std::exception_ptr failure) {
    if (!failure)
        return {};
    try {
        std::rethrow_exception(failure);
    } catch (const RowRefused& refused) {
        return refused.message();
    } catch (const StoreError& error) {
        return error.message();
    } catch (const sheetfile::SheetError& error) {
        return error.message();
    }
}

void saveText(QWidget* parent, Desk& desk, const QString& text) {
    const QString file = Dialogs::saveFileName(
        parent, QStringLiteral("Saveไปที่"), desk.run().programFolder + QStringLiteral("line.txt"),
        QStringLiteral("Text (*.txt);;All (*)"));
    if (file.isEmpty())
        return;
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text.toUtf8()) < 0 ||
        !out.flush())
        Dialogs::warning(parent, QStringLiteral("บันทึกไฟล์ไม่ได้: ") + out.errorString());
}

} // namespace exchangedesk
