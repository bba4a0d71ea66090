#include "platform/SerielePoort.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace platform {

namespace {
// The device hung up or failed (the other end of a pseudo-terminal gone, an adapter unplugged).
bool Opgehangen(int apparaat) {
    pollfd p{apparaat, POLLIN, 0};
    return apparaat >= 0 && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}
} // namespace

SerielePoort::SerielePoort() {
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError fout) { bijFout(fout); });
}
SerielePoort::~SerielePoort() {
    sluit();
}

bool SerielePoort::open() {
    if (isOpen()) return true;
    if (m_port.isOpen()) m_port.close(); // lost, its closing still to come
    m_fout.clear();
    m_verloren = false;
    m_geenModemlijnen = false;
    m_port.setPortName(PoortApparaat(poort()));
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_fout = m_port.errorString();
        m_port.clearError();
        return false;
    }
    pasInstellingenToe();
    m_ontvangen.clear();
    m_wekken = false;
    // The port reads on its own whenever bytes arrive; here it reads only when the engine waits. Should
    // the port keep its notifier elsewhere, it goes on reading on its own, and its bytes are taken
    // from it all the same.
    m_leesMelder = nullptr;
    for (QSocketNotifier* melder : m_port.findChildren<QSocketNotifier*>())
        if (melder->type() == QSocketNotifier::Read && melder->socket() == m_port.handle())
            m_leesMelder = melder;
    zetMelder();
    zetDTR(false);
    zetRTS(false);
    return true;
}

void SerielePoort::sluit() {
    if (m_port.isOpen()) m_port.close();
    m_dtr = m_rts = false;
    m_ontvangen.clear();
    m_leesMelder = nullptr;
}

void SerielePoort::zetMelder() {
    if (m_leesMelder && m_leesMelder->isEnabled() != m_wekken) m_leesMelder->setEnabled(m_wekken);
}

void SerielePoort::zetWekBijBytes(bool aan) {
    m_wekken = aan;
    if (isOpen()) zetMelder();
}

void SerielePoort::verlies(const QString& fout) {
    m_fout = fout;
    m_verloren = true;
    m_dtr = m_rts = false;
    m_leesMelder = nullptr;
    m_port.close();
}

void SerielePoort::leesApparaat() {
    // What the port read itself (while the engine waited) comes first; taking it switches the port's
    // notifier on again.
    if (m_port.bytesAvailable() > 0) {
        m_ontvangen += m_port.readAll();
        zetMelder();
    }
    if (!isOpen() || m_port.handle() < 0) return;
    char blok[4096];
    for (;;) {
        const ssize_t n = ::read(m_port.handle(), blok, sizeof blok);
        if (n > 0) {
            m_ontvangen.append(blok, n);
            if (static_cast<size_t>(n) < sizeof blok) return;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            verlies(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        // Nothing waiting (raw mode without a minimum count reads 0), unless the device hung up: the
        // other end of a pseudo-terminal gone reads 0 too.
        if (Opgehangen(m_port.handle())) verlies(QString::fromLocal8Bit(std::strerror(EIO)));
        return;
    }
}

void SerielePoort::bijFout(QSerialPort::SerialPortError fout) {
    const int systeemfout = errno; // of the call that failed, just before the port reported it
    if (fout != QSerialPort::ReadError && fout != QSerialPort::WriteError &&
        fout != QSerialPort::ResourceError)
        return;
    if (!m_port.isOpen()) return;
    // A device that takes no more bytes for now is not lost (the port writes the rest when it takes
    // bytes again), unless it hung up: a read of a hung-up device fails without a reason of its own.
    if ((systeemfout == EAGAIN || systeemfout == EWOULDBLOCK) && !Opgehangen(m_port.handle())) {
        m_port.clearError();
        return;
    }
    m_fout = m_port.errorString();
    m_verloren = true;
    m_dtr = m_rts = false;
    // The port reports this from inside its own read or write: it is closed once that has returned.
    // Until then it takes and gives no bytes.
    QMetaObject::invokeMethod(
        &m_port,
        [this] {
            if (m_verloren && m_port.isOpen()) m_port.close();
        },
        Qt::QueuedConnection);
}

void SerielePoort::pasInstellingenToe() {
    const LijnInstellingen& l = lijnInstellingen();
    m_port.setBaudRate(l.baud);
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(l.databits));
    switch (l.pariteit.toLatin1()) {
    case 'E':
        m_port.setParity(QSerialPort::EvenParity);
        break;
    case 'O':
        m_port.setParity(QSerialPort::OddParity);
        break;
    case 'M':
        m_port.setParity(QSerialPort::MarkParity);
        break;
    case 'S':
        m_port.setParity(QSerialPort::SpaceParity);
        break;
    default:
        m_port.setParity(QSerialPort::NoParity);
    }
    m_port.setStopBits(l.stopbits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.clearError();
}

// A pseudo-terminal has no modem lines: the refusal is no fault of the line. Once refused, the lines
// are not asked for again until the port is opened anew (each refusal costs a system call and an
// error text, twice per request).
void SerielePoort::zetDTR(bool aan) {
    m_dtr = aan;
    if (!m_port.isOpen() || m_geenModemlijnen) return;
    if (!m_port.setDataTerminalReady(aan)) {
        m_port.clearError();
        m_geenModemlijnen = true;
    }
}

void SerielePoort::zetRTS(bool aan) {
    m_rts = aan;
    if (!m_port.isOpen() || m_geenModemlijnen) return;
    if (!m_port.setRequestToSend(aan)) {
        m_port.clearError();
        m_geenModemlijnen = true;
    }
}

int SerielePoort::aantalWachtend() {
    if (!isOpen()) return 0;
    leesApparaat();
    return isOpen() ? static_cast<int>(qMin<qsizetype>(m_ontvangen.size(), INT_MAX)) : 0;
}

QByteArray SerielePoort::lees(int aantal) {
    if (!isOpen() || aantal <= 0) return {};
    if (m_ontvangen.isEmpty()) leesApparaat();
    QByteArray bytes = m_ontvangen.left(aantal);
    m_ontvangen.remove(0, bytes.size());
    return bytes;
}

void SerielePoort::schrijf(const QByteArray& bytes) {
    if (!isOpen() || bytes.isEmpty()) return;
    // A request is a dozen bytes that the system takes whole: written straight to the device they
    // leave at once, while DTR is held. Through the port's own buffer every write would switch its
    // write notifier on and off again, two wake-ups of the event loop per request. What the device
    // does not take at once is queued by the port, which sends it as the device takes it; a failure
    // goes the port's way too, so that it reports it as its own error (which closes a lost device).
    if (m_port.bytesToWrite() == 0 && m_port.handle() >= 0) {
        qsizetype geschreven = 0;
        bool vol = false; // the device takes no more for now
        while (geschreven < bytes.size()) {
            const ssize_t n = ::write(m_port.handle(), bytes.constData() + geschreven,
                                      static_cast<size_t>(bytes.size() - geschreven));
            if (n > 0) {
                geschreven += n;
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            vol = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
            break;
        }
        if (geschreven == bytes.size()) return;
        m_port.write(bytes.constData() + geschreven, bytes.size() - geschreven);
        // A full device is written to when it takes bytes again (its write notifier); the port's own
        // write into it now would fail.
        if (!vol) m_port.flush();
        return;
    }
    // Bytes still wait for the device: these follow them, in order, as the device takes them (while
    // DTR is held the loop runs). Written now they would meet a full device, which the port takes for
    // a failure.
    m_port.write(bytes);
}

void SerielePoort::wisBuffers() {
    m_ontvangen.clear();
    if (m_port.isOpen()) m_port.clear(QSerialPort::AllDirections);
}

} // namespace platform
