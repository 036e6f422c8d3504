#pragma once
// A temporary copy of the demo data folder, made the working directory while the object lives
// (the program takes every database file from the working directory).
#include <QDir>
#include <QString>
#include <QTemporaryDir>

class TestDataFolder
{
public:
    // Builds the demo data once per test program and copies it into a fresh temporary folder.
    TestDataFolder();
    ~TestDataFolder();
    TestDataFolder(const TestDataFolder&) = delete;
    TestDataFolder& operator=(const TestDataFolder&) = delete;

    bool isValid() const { return m_valid; }
    // The folder, ending with a separator.
    QString path() const;
    QString filePath(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    bool m_valid = false;
};

// SHA-256 of a file's bytes (to prove a file was left untouched).
QByteArray fileChecksum(const QString& path);
