#include "SchoneOmgeving.h"
#include "platform/GeheugenLijn.h"
#include "platform/Klok.h"
#include "platform/SerielePoort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

using namespace platform;

class SerieleLijnTest : public SchoneOmgeving {};

TEST_F(SerieleLijnTest, SettingsTextAndPortNames) {
    LijnInstellingen l;
    ASSERT_TRUE(LeesLijnInstellingen(QStringLiteral("19200,N,8,1"), l));
    EXPECT_EQ(l.baud, 19200);
    EXPECT_EQ(l.pariteit, QLatin1Char('N'));
    EXPECT_EQ(l.databits, 8);
    EXPECT_EQ(l.stopbits, 1);
    ASSERT_TRUE(LeesLijnInstellingen(QStringLiteral("300,e,7,2"), l));
    EXPECT_EQ(l.pariteit, QLatin1Char('E'));
    EXPECT_EQ(l.stopbits, 2);
    for (const char* fout :
         {"", "19200", "19200,N,8", "fast,N,8,1", "19200,X,8,1", "19200,N,9,1", "19200,N,8,3"})
        EXPECT_FALSE(LeesLijnInstellingen(QString::fromLatin1(fout), l)) << fout;

    EXPECT_EQ(PoortApparaat(QStringLiteral("COM1")), "/dev/ttyS0");
    EXPECT_EQ(PoortApparaat(QStringLiteral("com12")), "/dev/ttyS11");
    EXPECT_EQ(PoortApparaat(QStringLiteral("/dev/ttyUSB0")), "/dev/ttyUSB0");
    EXPECT_EQ(PoortApparaat(QStringLiteral("/dev/pts/7")), "/dev/pts/7");
    EXPECT_EQ(PoortApparaat(QStringLiteral("COM0")), "COM0");

    GeheugenLijn lijn;
    EXPECT_EQ(lijn.instellingen(), "9600,N,8,1");
    EXPECT_FALSE(lijn.zetInstellingen(QStringLiteral("19200;N;8;1")));
    EXPECT_EQ(lijn.instellingen(), "9600,N,8,1");
    EXPECT_TRUE(lijn.zetInstellingen(QStringLiteral("19200,N,8,1")));
    EXPECT_EQ(lijn.lijnInstellingen().baud, 19200);
}

TEST_F(SerieleLijnTest, InMemoryLineDeliversThroughTheClock) {
    GeheugenLijn lijn;
    lijn.lever("lost"); // closed: lost, as on a port
    klok().verstrijk(1);
    ASSERT_TRUE(lijn.open());
    EXPECT_FALSE(lijn.dtr());
    EXPECT_FALSE(lijn.rts());
    lijn.lever("abc", 20);
    EXPECT_EQ(lijn.aantalWachtend(), 0);
    klok().verstrijk(19);
    EXPECT_EQ(lijn.aantalWachtend(), 0);
    klok().verstrijk(1);
    EXPECT_EQ(lijn.aantalWachtend(), 3);
    EXPECT_EQ(lijn.lees(2), "ab");
    EXPECT_EQ(lijn.lees(5), "c");

    QByteArray anderEinde;
    std::vector<bool> dtr;
    lijn.bijSchrijven = [&](const QByteArray& b) { anderEinde += b; };
    lijn.bijDTR = [&](bool aan) { dtr.push_back(aan); };
    lijn.zetDTR(true);
    lijn.schrijf("\x01\x02");
    lijn.zetDTR(true);
    lijn.zetDTR(false);
    EXPECT_EQ(anderEinde, "\x01\x02");
    EXPECT_EQ(lijn.verzonden(), "\x01\x02");
    EXPECT_EQ(dtr, (std::vector<bool>{true, false}));

    lijn.sluit();
    lijn.schrijf("x");
    EXPECT_EQ(anderEinde, "\x01\x02");
    lijn.zetOpenFout(QStringLiteral("busy"));
    EXPECT_FALSE(lijn.open());
    EXPECT_EQ(lijn.foutmelding(), "busy");
}

TEST_F(SerieleLijnTest, AMissingDeviceDoesNotOpen) {
    SerielePoort poort;
    poort.zetPoort(QStringLiteral("/dev/k740-no-such-port"));
    EXPECT_FALSE(poort.open());
    EXPECT_FALSE(poort.isOpen());
    EXPECT_FALSE(poort.foutmelding().isEmpty());
    EXPECT_EQ(poort.aantalWachtend(), 0);
    poort.schrijf("x");
    EXPECT_TRUE(poort.lees(1).isEmpty());
}

// A write goes straight to the device; what the device does not take at once (here far more than a
// pseudo-terminal holds) is queued by the port and follows in order while the event loop runs.
TEST_F(SerieleLijnTest, WritesReachThePortWholeAndInOrder) {
    int meester = -1, slaaf = -1;
    char naam[256] = {};
    ASSERT_EQ(::openpty(&meester, &slaaf, naam, nullptr, nullptr), 0);
    ::fcntl(meester, F_SETFL, ::fcntl(meester, F_GETFL) | O_NONBLOCK);
    SerielePoort poort;
    poort.zetPoort(QString::fromLocal8Bit(naam));
    ASSERT_TRUE(poort.open()) << poort.foutmelding().toStdString();

    auto leesMeester = [&](QByteArray& ontvangen, qsizetype verwacht) {
        QElapsedTimer waakhond;
        waakhond.start();
        char buf[4096];
        while (ontvangen.size() < verwacht && waakhond.elapsed() < 10000) {
            QCoreApplication::processEvents();
            pollfd p{meester, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            const ssize_t n = ::read(meester, buf, sizeof buf);
            if (n > 0) ontvangen.append(buf, static_cast<qsizetype>(n));
        }
    };

    // A request is taken whole at once, with no event loop running.
    const QByteArray verzoek("\xFF\x4D\x06\x0A\x0C\x01\x04\x02\x70\r\n\xFF", 12);
    poort.schrijf(verzoek);
    char buf[64];
    pollfd p{meester, POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 1000), 1);
    EXPECT_EQ(QByteArray(buf, static_cast<qsizetype>(::read(meester, buf, sizeof buf))), verzoek);

    QByteArray groot;
    for (int i = 0; i < 300000; ++i)
        groot.append(static_cast<char>(i * 7 + i / 256));
    poort.schrijf(groot);
    poort.schrijf("end");
    QByteArray ontvangen;
    leesMeester(ontvangen, groot.size() + 3);
    EXPECT_EQ(ontvangen.size(), groot.size() + 3);
    EXPECT_TRUE(ontvangen == groot + "end") << "the bytes came out of order or changed";
    poort.sluit();
    ::close(slaaf);
    ::close(meester);
}

namespace {
// Counts the socket notifications the event loop delivers.
struct Meldingteller : QObject {
    int aantal = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::SockAct) ++aantal;
        return false;
    }
};
} // namespace

// Bytes wait on the line until the engine looks for them: they wake the event loop only while the
// engine waits for them. A device that fails is found lost at the look.
TEST_F(SerieleLijnTest, BytesWakeTheLoopOnlyWhileWaitedForAndAreAllReadAtTheLook) {
    int meester = -1, slaaf = -1;
    char naam[256] = {};
    ASSERT_EQ(::openpty(&meester, &slaaf, naam, nullptr, nullptr), 0);
    SerielePoort poort;
    poort.zetPoort(QString::fromLocal8Bit(naam));
    ASSERT_TRUE(poort.open()) << poort.foutmelding().toStdString();
    Meldingteller teller;
    QCoreApplication::instance()->installEventFilter(&teller);
    // Until the bytes have reached the port's side of the line (seen through a second descriptor of
    // that side, which reads nothing).
    const auto wachtOpLijn = [slaaf] {
        pollfd p{slaaf, POLLIN, 0};
        ASSERT_EQ(::poll(&p, 1, 5000), 1);
    };

    ASSERT_EQ(::write(meester, "reply1", 6), 6);
    wachtOpLijn();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(teller.aantal, 0) << "bytes nobody waited for woke the event loop";
    EXPECT_EQ(poort.aantalWachtend(), 6);
    EXPECT_EQ(poort.lees(4), "repl");
    EXPECT_EQ(poort.lees(4), "y1");

    poort.zetWekBijBytes(true);
    ASSERT_EQ(::write(meester, "reply2", 6), 6);
    QElapsedTimer waakhond;
    waakhond.start();
    while (teller.aantal == 0 && waakhond.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GT(teller.aantal, 0) << "bytes that were waited for did not wake the event loop";
    EXPECT_EQ(poort.aantalWachtend(), 6);
    EXPECT_EQ(poort.lees(6), "reply2");
    poort.zetWekBijBytes(false);

    // The other end goes: the next look finds the line lost, with a reason, and closed.
    ::close(meester);
    EXPECT_EQ(poort.aantalWachtend(), 0);
    ::close(slaaf);
    EXPECT_TRUE(poort.verloren());
    EXPECT_FALSE(poort.isOpen());
    EXPECT_FALSE(poort.foutmelding().isEmpty());
    QCoreApplication::instance()->removeEventFilter(&teller);
}
