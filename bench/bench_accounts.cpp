// The accounts of 1,000 customers over the whole book, as both account windows build them.

#include "common/customerbook.h"
#include "settlement/accounts.h"
#include "store/database.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

void accountFigures(Database& db, int rows, const char* engine) {
    constexpr int kCustomers = 1000;
    {
        Transaction transaction(db);
        const QString columns = customerbook::percentColumns().join(',');
        for (int i = 0; i < kCustomers; ++i) {
            const QString name = QStringLiteral("บัญชี%1").arg(i);
            QVariantList binds{name, name};
            for (int k = 0; k < kKindCount; ++k)
                binds << (i + k) % 30;
            db.exec(QStringLiteral("INSERT INTO cus (id, name, %1) VALUES "
                                   "(?,?,?,?,?,?,?,?,?,?,?,?)")
                        .arg(columns),
                    binds);
        }
        // The entered lines spread over them.
        db.exec(
            QStringLiteral("UPDATE tballcus SET cus = 'บัญชี' || ((id / 10) % %1)").arg(kCustomers));
        transaction.commit();
    }
    // The rewrite above leaves every line twice on a server until it is vacuumed, as its
    // autovacuum would do; the accounts read the stakes from the index once it has been.
    if (db.engine() == Engine::postgres)
        db.exec(QStringLiteral("VACUUM ANALYZE tballcus, cus"));

    std::vector<double> ms;
    int built = 0;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        built = static_cast<int>(accounts::buildAccounts(db).size());
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (built != kCustomers)
        qFatal("accounts missing");
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %8d rows: accounts of %d customers  median %.0f ms, worst %.0f ms\n", engine,
                rows, built, ms[ms.size() / 2], ms.back());
}
