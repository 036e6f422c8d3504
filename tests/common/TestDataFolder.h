#pragma once
// A temporary copy of the demo data folder, made the working directory while the object lives
// (the program takes every database file from the working directory).
//
// When the tests run on the shared server (ZORVEK_TEST_SERVER names the test cluster), each folder
// gets a database of its own on it, copied from the cluster's demo database, and a server file
// naming that database and the station "test": the folder then holds no database file, and every
// part of the program that opens the folder works on the server.
#include <QDir>
#include <QSqlDatabase>
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

    // Whether this test run works on the shared server.
    static bool onServer();
    // The test cluster's connection string without a database ("host=… user=…").
    static QString testServer();
    // This folder's database on the server (empty on files).
    QString database() const { return m_database; }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    QString m_database;
    bool m_valid = false;
};

// A connection of its own to one of a data folder's databases, as the program reaches it: the file
// itself, or on the server the schemas that stand for the file (BGD.mdb: the main tables; a bank
// file: that bank), with the station's working tables.
class TestConnection
{
public:
    explicit TestConnection(const QString& databaseFilePath);
    ~TestConnection();
    TestConnection(const TestConnection&) = delete;
    TestConnection& operator=(const TestConnection&) = delete;
    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// SHA-256 of a file's bytes (to prove a file was left untouched). For a database file of a folder
// on the server: a digest of every row of the tables that stand for the file.
QByteArray fileChecksum(const QString& path);
