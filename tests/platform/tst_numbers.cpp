#include "platform/numbers.h"
#include "platform/textfiles.h"

#include <QTest>

class tst_numbers : public QObject {
    Q_OBJECT
private slots:
    void toText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 25.0 << "25";
        QTest::newRow("two decimals") << 22.86 << "22,86";
        QTest::newRow("one decimal") << 103.5 << "103,5";
        QTest::newRow("negative") << -0.5 << "-0,5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("rounded to fifteen digits") << 4 - 3.2 << "0,8";
        QTest::newRow("fifteen significant digits") << 0.1 + 0.2 << "0,3";
        QTest::newRow("large whole, no grouping") << 1234567.0 << "1234567";
        QTest::newRow("small uses exponent") << 0.00001 << "1E-05";
        QTest::newRow("0.0001 stays plain") << 0.0001 << "0,0001";
        QTest::newRow("huge uses exponent") << 1.5e16 << "1,5E+16";
        QTest::newRow("seven hundred thousand") << 700000.0 << "700000";
    }
    void toText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(num::toText(value), text);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("comma decimal") << "70,5" << true << 70.5;
        QTest::newRow("point typed as decimal") << "70.5" << true << 70.5;
        QTest::newRow("grouping and comma") << "1.234,5" << true << 1234.5;
        QTest::newRow("blanks around") << " 12 " << true << 12.0;
        QTest::newRow("sign") << "-3,25" << true << -3.25;
        QTest::newRow("trailing comma") << "7," << true << 7.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letter") << "a" << false << 0.0;
        QTest::newRow("lone sign") << "-" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("number then letters") << "12kg" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("accented letter") << "è" << false << 0.0;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double read = 0;
        QCOMPARE(num::tryParse(text, read), ok);
        if (ok) {
            QCOMPARE(read, value);
            QCOMPARE(num::parse(text), value);
        } else {
            QVERIFY_THROWS_EXCEPTION(num::ConversionError, num::parse(text));
        }
    }

    void leading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("point decimal") << "120.5" << 120.5;
        QTest::newRow("stops at comma") << "1,5" << 1.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks inside are skipped") << " 1 2" << 12.0;
        QTest::newRow("prefix only") << "45kg" << 45.0;
        QTest::newRow("exponent") << "1e3x" << 1000.0;
        QTest::newRow("sign") << "-2.5" << -2.5;
    }
    void leading() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(num::leading(text), value);
    }

    void rounding() {
        QCOMPARE(num::intFloor(-0.5), -1.0);
        QCOMPARE(num::roundHalfUp(2.345, 1), 2.3);
        QCOMPARE(num::roundHalfUp(103.5, 0), 104.0);
        QCOMPARE(num::roundHalfUp(22.857, 2), 22.86);
    }

    void decoding_fallsBackToWindows1252() {
        QCOMPARE(textfiles::decode(QByteArray("perch\xc3\xa9")), QStringLiteral("perché"));
        QCOMPARE(textfiles::decode(QByteArray("perch\xe9 \x92\x80")), QStringLiteral("perché ’€"));
    }
};

QTEST_MAIN(tst_numbers)
#include "tst_numbers.moc"
