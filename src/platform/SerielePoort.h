#pragma once
// A serial line on a real device through QSerialPort: binary input, no handshake, DTR and RTS low right
// after opening (Linux raises them). A pseudo-terminal refuses DTR and RTS; that refusal is ignored.
// A device that fails while open (read, write or resource error: unplugged, or the other end of a
// pseudo-terminal closed) is closed at once and the line counts as lost: left open, such a device
// wakes the event loop without end.
// The bytes are read from the device when the engine looks for them: a reply that came during the
// request's DTR hold is taken after it without waking the event loop on its own. Only while the engine
// waits for bytes still to come does the port's read notifier wake the loop.
#include "platform/SerieleLijn.h"

#include <QPointer>
#include <QSerialPort>
#include <QSocketNotifier>

namespace platform {

class SerielePoort : public SerieleLijn {
public:
    SerielePoort();
    ~SerielePoort() override;

    bool open() override;
    void sluit() override;
    bool isOpen() const override { return m_port.isOpen() && !m_verloren; }
    QString foutmelding() const override { return m_fout; }
    bool verloren() const override { return m_verloren; }

    void zetDTR(bool aan) override;
    bool dtr() const override { return m_dtr; }
    void zetRTS(bool aan) override;
    bool rts() const override { return m_rts; }

    int aantalWachtend() override;
    QByteArray lees(int aantal) override;
    void schrijf(const QByteArray& bytes) override;
    void wisBuffers() override;
    void zetWekBijBytes(bool aan) override;

protected:
    void pasInstellingenToe() override;

private:
    QSerialPort m_port;
    QString m_fout;
    bool m_dtr = false;
    bool m_rts = false;
    bool m_verloren = false;
    bool m_geenModemlijnen = false; // the device refused a modem line (a pseudo-terminal)

    // What the device holds now, added to m_ontvangen; a device that fails is lost.
    void leesApparaat();
    void verlies(const QString& fout);
    void zetMelder();

    QByteArray m_ontvangen;
    QPointer<QSocketNotifier> m_leesMelder; // the port's own read notifier; it goes when the port closes
    bool m_wekken = false;

    void bijFout(QSerialPort::SerialPortError fout);
};

} // namespace platform
