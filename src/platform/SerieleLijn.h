#pragma once
// A serial line as the program uses it: a port, a settings text such as "19200,N,8,1", the DTR and RTS
// lines, the count of received bytes waiting, reading that many, and writing bytes. The engine holds
// its lines only through this interface; a real port and an in-memory line stand behind it.
#include <QByteArray>
#include <QString>

namespace platform {

struct LijnInstellingen {
    int baud = 9600;
    QChar pariteit = QLatin1Char('N'); // N, E, O, M or S
    int databits = 8;
    int stopbits = 1;
};

// Reads a settings text "baud,parity,data bits,stop bits" ("19200,N,8,1"); false when it is not of
// that form.
bool LeesLijnInstellingen(const QString& tekst, LijnInstellingen& instellingen);

// The device of a port name: "COMn" is /dev/ttyS(n-1); anything else (a device path such as
// /dev/ttyUSB0 or a pseudo-terminal) is used as it is.
QString PoortApparaat(const QString& poort);

class SerieleLijn {
public:
    virtual ~SerieleLijn() = default;

    // The port: "COMn" or a device path. Takes effect at the next opening.
    void zetPoort(const QString& poort) { m_poort = poort; }
    const QString& poort() const { return m_poort; }
    // The settings text; false (and nothing changed) when it is not valid. Applied at once when open.
    bool zetInstellingen(const QString& tekst);
    const QString& instellingen() const { return m_instellingen; }
    const LijnInstellingen& lijnInstellingen() const { return m_lijn; }

    // Opens the port with DTR and RTS low; false, with the reason in foutmelding(), when it fails.
    virtual bool open() = 0;
    virtual void sluit() = 0;
    virtual bool isOpen() const = 0;
    virtual QString foutmelding() const = 0;
    // True when the port closed itself because its device failed while open (an adapter unplugged,
    // the other end of a pseudo-terminal gone); foutmelding() tells why. The next open() clears it.
    virtual bool verloren() const = 0;

    virtual void zetDTR(bool aan) = 0;
    virtual bool dtr() const = 0;
    virtual void zetRTS(bool aan) = 0;
    virtual bool rts() const = 0;

    // The count of received bytes waiting to be read (0 when closed).
    virtual int aantalWachtend() = 0;
    // Takes up to `aantal` waiting bytes.
    virtual QByteArray lees(int aantal) = 0;
    // Hands bytes to the port (nothing when closed).
    virtual void schrijf(const QByteArray& bytes) = 0;
    // Forgets what waits to be read and what waits to be sent.
    virtual void wisBuffers() = 0;
    // While on, bytes that arrive wake the event loop; otherwise they wait on the line until the next
    // look (aantalWachtend). The engine switches it on only while it waits for bytes still to come.
    virtual void zetWekBijBytes(bool /*aan*/) {}

protected:
    // Applies new settings to an open port.
    virtual void pasInstellingenToe() {}

private:
    QString m_poort = QStringLiteral("COM1");
    QString m_instellingen = QStringLiteral("9600,N,8,1");
    LijnInstellingen m_lijn;
};

} // namespace platform
