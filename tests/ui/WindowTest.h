// A base for tests that start the program's real windows headless, with a settings file of their own.
#pragma once

#include "ScriptedSeam.h"
#include "Unit1.h"
#include "Windows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTest>
#include <memory>

class WindowTest : public QObject {
public:
    // QSettings settles the location of its files once per process, so configHome must be the
    // XDG_CONFIG_HOME set before the application was made.
    explicit WindowTest(const QString& configHome)
        : m_configFile(configHome + QStringLiteral("/Brenvik/Hyvarro.conf"))
    {
    }

protected:
    QString m_configFile;
    ScriptedSeam m_seam;

    void WriteConfig(const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(m_configFile).path());
        QFile file(m_configFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray ReadConfig() const
    {
        QFile file(m_configFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Removes the settings file, or the folder a test put in its place.
    void RemoveConfig()
    {
        QFile::remove(m_configFile);
        QDir(m_configFile).removeRecursively();
    }

    // Creates the windows as the program does, with a fresh scripted seam, and shows the main one.
    std::unique_ptr<Windows> Start()
    {
        m_seam = ScriptedSeam();
        auto windows = CreateWindows(m_seam);
        windows->form1->show();
        QTest::qWait(1);
        return windows;
    }

    // Clicks the centre of a cell with a real press and release.
    static void Click(TForm1& form, const kestrune::Cell& c, Qt::MouseButton button = Qt::LeftButton)
    {
        const kestrune::PixelPoint centre = form.geometry().CellCentre(c);
        QTest::mouseClick(&form, button, {}, QPoint(int(centre.x), int(centre.y)));
    }

    static bool AreaIsBlack(const TForm1& form)
    {
        const kestrune::Geometry g = form.geometry();
        const QImage& canvas = form.canvas();
        for (std::int64_t y = g.OriginY(); y < g.OriginY() + g.BoardExtent() && y < canvas.height(); ++y)
            for (std::int64_t x = g.OriginX(); x < g.OriginX() + g.BoardExtent() && x < canvas.width(); ++x)
                if (canvas.pixel(int(x), int(y)) != qRgb(0, 0, 0))
                    return false;
        return true;
    }
};
