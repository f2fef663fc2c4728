#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Time comes in through this interface so that engines and tests never read the system clock.
class Horloge
{
public:
    virtual ~Horloge() = default;
    // Monotonic milliseconds, for response times.
    virtual qint64 maintenant_ms() const = 0;
    // Wall clock, for séance stamps and dates.
    virtual QDateTime date_heure() const = 0;
};

class HorlogeSysteme : public Horloge
{
public:
    HorlogeSysteme() { m_depart.start(); }
    qint64 maintenant_ms() const override { return m_depart.elapsed(); }
    QDateTime date_heure() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer m_depart;
};

// Advanced by hand in tests.
class HorlogeManuelle : public Horloge
{
public:
    explicit HorlogeManuelle(QDateTime debut = QDateTime(QDate(2024, 12, 3), QTime(14, 2, 10)))
        : m_date(debut)
    {
    }
    qint64 maintenant_ms() const override { return m_ms; }
    QDateTime date_heure() const override { return m_date.addMSecs(m_ms); }
    void avance_ms(qint64 ms) { m_ms += ms; }
    // Sets the wall clock without moving the monotonic one back.
    void fixe_date(const QDateTime& d) { m_date = d.addMSecs(-m_ms); }

private:
    QDateTime m_date;
    qint64 m_ms = 0;
};
