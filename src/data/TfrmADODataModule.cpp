#include "data/TfrmADODataModule.h"

#include "core/AppInfo.h"
#include "core/Categories.h"
#include "core/Global.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "server/ServerConnection.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSqlError>
#include <QSqlRecord>

namespace {
QPointer<TfrmADODataModule> g_instance;
int g_connectionCounter = 0;
Server::Choice g_commandLineServer;
} // namespace

TfrmADODataModule::TfrmADODataModule(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("TfrmADODataModule"));
    const int n = ++g_connectionCounter;
    try {
        m_server = serverChoiceFor(dataFolder());
    } catch (const zorvek::Error& e) {
        m_serverProblem = e.message();
    }
    // The table objects keep the connection they are made with, so the engine is chosen here.
    const QString driver = m_server.onServer() ? ServerConnection::Driver : QStringLiteral("QSQLITE");
    ADOConnectionGlb = QSqlDatabase::addDatabase(driver, QStringLiteral("ADOConnectionGlb-%1").arg(n));
    ADOConnection = QSqlDatabase::addDatabase(driver, QStringLiteral("ADOConnection-%1").arg(n));

    ADOGruppa = makeTable(QStringLiteral("ADOGruppa"), ADOConnectionGlb);
    ADOPersonal = makeTable(QStringLiteral("ADOPersonal"), ADOConnectionGlb);
    ADOGurnal = makeTable(QStringLiteral("ADOGurnal"), ADOConnectionGlb);
    ADOGurnalAll = makeTable(QStringLiteral("ADOGurnalAll"), ADOConnectionGlb);
    ADOCriterii = makeTable(QStringLiteral("ADOCriterii"), ADOConnectionGlb);
    ADOProcent = makeTable(QStringLiteral("ADOProcent"), ADOConnectionGlb);
    ADOVoprosyToRasdely = makeTable(QStringLiteral("ADOVoprosyToRasdely"), ADOConnectionGlb);
    ADODolgnosty = makeTable(QStringLiteral("ADODolgnosty"), ADOConnectionGlb);
    ADOOtvety = makeTable(QStringLiteral("ADOOtvety"), ADOConnectionGlb);
    ADOVoprosy_Otvety = makeTable(QStringLiteral("ADOVoprosy_Otvety"), ADOConnection);
    ADORazdel = makeTable(QStringLiteral("ADORazdel"), ADOConnection);
    ADOIndex = makeTable(QStringLiteral("ADOIndex"), ADOConnection);

    DataSourcePersonal = ADOPersonal;
    DataSource = ADOPersonal;
    DataSourceGruppa = ADOGruppa;
    DataSourceGurnal = ADOGurnal;
    DataSourceVoprosy_Otvety = ADOVoprosy_Otvety;
    DataSource_Otvety = ADOOtvety;
    setCaptions();
    g_instance = this;
}

TfrmADODataModule::~TfrmADODataModule()
{
    const QString main = ADOConnectionGlb.connectionName();
    const QString bank = ADOConnection.connectionName();
    // Models and queries must let go of the connections before they are removed.
    qDeleteAll(findChildren<SqlTableModel*>());
    ADOQuery = QSqlQuery();
    ADOCommand = QSqlQuery();
    ADOConnectionGlb.close();
    ADOConnection.close();
    ADOConnectionGlb = QSqlDatabase();
    ADOConnection = QSqlDatabase();
    QSqlDatabase::removeDatabase(main);
    QSqlDatabase::removeDatabase(bank);
}

TfrmADODataModule* TfrmADODataModule::instance()
{
    return g_instance.data();
}

SqlTableModel* TfrmADODataModule::makeTable(const QString& objectName, const QSqlDatabase& db)
{
    return new SqlTableModel(objectName, this, db);
}

void TfrmADODataModule::setCaptions()
{
    ADOGruppa->setFieldCaption(QStringLiteral("Порядковый_номер"), QStringLiteral("Номер"));

    auto* p = ADOPersonal;
    p->setFieldCaption(QStringLiteral("Код"), QStringLiteral("№"), 5);
    p->setFieldCaption(QStringLiteral("Фамилия_Имя_Отчество"), QStringLiteral("Фамилия Имя Отчество"), 30);
    p->setFieldCaption(QStringLiteral("Линейное_подразделение"), QStringLiteral("Подразделение"), 10);
    p->setFieldCaption(QStringLiteral("Должность"), QString(), 30);
    p->setFieldCaption(QStringLiteral("Стаж"), QString(), 10);
    p->setFieldCaption(QStringLiteral("Группа_по_электробезопасности"), QStringLiteral("Группа"), 8);
    p->setFieldCaption(QStringLiteral("Дата_сдачи_экзамена"), QStringLiteral("Дата сдачи экзамена"), 10);
    p->setFieldCaption(QStringLiteral("Дата_следующей_сдачи_экзамена"), QStringLiteral("Дата следующей проверки"), 15);
    p->setFieldCaption(QStringLiteral("Система_тока"), QStringLiteral("Система "), 18);
    p->setFieldCaption(QStringLiteral("Категория_специалиста"), QString(), 50);

    ADOGurnal->setFieldCaption(QStringLiteral("Система_тока"), QStringLiteral("Участки железной дороги"));

    auto* j = ADOGurnalAll;
    j->setFieldCaption(QStringLiteral("ФИО"), QString(), 25);
    j->setFieldCaption(QStringLiteral("Должность"), QString(), 10);
    j->setFieldCaption(QStringLiteral("Стаж_работы_в_должности"), QStringLiteral("Стаж"), 10);
    j->setFieldCaption(QStringLiteral("Дата_предыдущей_проверки"), QStringLiteral("Дата_пред"), 10);
    j->setFieldCaption(QStringLiteral("Дата_проверки"), QStringLiteral("Дата"), 10);
    j->setFieldCaption(QStringLiteral("Дата_следующей_проверки"), QStringLiteral("Дата_след"), 10);
    j->setFieldCaption(QStringLiteral("Наименование_подразделения"), QStringLiteral("Подразделение"), 15);
    j->setFieldCaption(QStringLiteral("Результат_проверки_знаний"), QStringLiteral("Результат"), 10);
    j->setFieldCaption(QStringLiteral("Причина_проверки_знаний"), QString(), 18);
    j->setFieldCaption(QStringLiteral("Оценка"), QString(), 15);
    j->setFieldCaption(QStringLiteral("Количество_вопросов"), QStringLiteral("Кол_вопр"));
    j->setFieldCaption(QStringLiteral("Количество_верных_ответов"), QStringLiteral("Верно"));
    j->setFieldCaption(QStringLiteral("Количество_неверных_ответов"), QStringLiteral("Неверно"));
    j->setFieldCaption(QStringLiteral("Категория_специалиста"), QString(), 30);
    j->setFieldCaption(QStringLiteral("Система_тока"), QStringLiteral("Система"), 18);

    ADOProcent->setFieldCaption(QStringLiteral("Оценка"), QString(), 25);

    auto* v = ADOVoprosyToRasdely;
    v->setFieldCaption(QStringLiteral("Категория_специалиста"), QString(), 100);
    v->setFieldCaption(QStringLiteral("Название_раздела"), QString(), 25);
}

QString TfrmADODataModule::dataFolder()
{
    return QDir::currentPath() + QLatin1Char('/');
}

void TfrmADODataModule::setCommandLineServer(const Server::Choice& choice)
{
    g_commandLineServer = choice;
}

Server::Choice TfrmADODataModule::serverChoiceFor(const QString& folder)
{
    Server::Choice fromFile;
    QFile file(QDir(folder).filePath(Server::FileName));
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("Файл «%1» не читается: %2.")
                              .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
        const Server::FileContents contents = Server::parseFile(QString::fromUtf8(file.read(64 * 1024)));
        if (!contents.error.isEmpty())
            throw DbError(contents.error + QStringLiteral(" Папка данных: ") + QDir::toNativeSeparators(folder));
        fromFile = contents.choice;
    }
    return Server::merged(g_commandLineServer, fromFile);
}

void TfrmADODataModule::openMainDatabase(const QString& folder)
{
    if (!m_serverProblem.isEmpty())
        throw DbError(m_serverProblem);
    if (serverChoiceFor(folder).onServer() != onServer())
        throw DbError(QStringLiteral("Папка данных «%1» работает не с тем хранилищем, с которым запущена программа "
                                     "(сервер или файлы): запустите программу в этой папке заново.")
                          .arg(QDir::toNativeSeparators(folder)));
    Global::PathBD = folder;
    if (onServer()) {
        const QString problem = Server::choiceProblem(m_server, true);
        if (!problem.isEmpty())
            throw DbError(problem);
        Global::StrConnect = m_server.conninfo;
        ServerConnection::open(ADOConnectionGlb, m_server.conninfo);
        ServerConnection::place(ADOConnectionGlb,
                                {ServerNames::stationSchema(m_server.station), ServerNames::MainSchema, QString()});
        return;
    }
    Global::StrConnect = folder + AppInfo::MainDatabaseFile;
    Db::openDatabaseFile(ADOConnectionGlb, Global::StrConnect);
}

void TfrmADODataModule::openServerBank(int position, const QString& folder)
{
    Global::PathBD = folder;
    Global::StrConnect = m_server.conninfo;
    if (!ADOConnection.isOpen())
        ServerConnection::open(ADOConnection, m_server.conninfo);
    ServerConnection::place(ADOConnection,
                            {ServerNames::stationSchema(m_server.station), ServerNames::bankSchema(position), QString()});
}

void TfrmADODataModule::readAll(SqlTableModel* table)
{
    // Reading past the last row resets the engine's statement (the rows stay cached in the
    // model), which releases its read lock.
    while (table->canFetchMore())
        table->fetchMore();
}

void TfrmADODataModule::openTable(SqlTableModel* table, const QString& tableName, const QString& orderColumn)
{
    const QSqlDatabase db = table->database();
    if (!db.isOpen())
        throw DbError(QStringLiteral("Нет соединения с базой данных: таблица «%1» не может быть открыта.").arg(tableName));
    table->clear();
    table->setTable(tableName);
    if (table->record().isEmpty())
        throw DbError(QStringLiteral("Таблица «%1» не найдена в базе данных. %2").arg(tableName, Db::location(db)));
    if (!orderColumn.isEmpty()) {
        const int col = table->fieldIndex(orderColumn);
        if (col < 0)
            throw DbError(QStringLiteral("В таблице «%1» нет столбца «%2».").arg(tableName, orderColumn));
        table->setSort(col, Qt::AscendingOrder);
    }
    if (!table->select())
        throw DbError::fromSqlError(table->lastError(), QStringLiteral("Таблица: ") + tableName);
    readAll(table);
    table->applyCaptions();
}

void TfrmADODataModule::refresh(SqlTableModel* table)
{
    if (!table->select())
        throw DbError::fromSqlError(table->lastError(), QStringLiteral("Таблица: ") + table->tableName());
    readAll(table);
}

void TfrmADODataModule::submit(SqlTableModel* table)
{
    Db::Transaction tx(table->database());
    if (!table->submitAll())
        throw DbError::fromSqlError(table->lastError(), QStringLiteral("Таблица: ") + table->tableName());
    tx.commit();
    readAll(table);
}

QStringList TfrmADODataModule::categoryNames()
{
    openTable(ADOGruppa, Schema::Gruppa, QStringLiteral("Порядковый_номер"));
    QStringList names;
    for (int row = 0; row < ADOGruppa->rowCount(); ++row)
        names << ADOGruppa->value(row, QStringLiteral("Название_группы")).toString();
    return names;
}

int TfrmADODataModule::categoryPosition(const QString& name)
{
    return Categories::findPosition(categoryNames(), name);
}

void TfrmADODataModule::connectCategoryBank(int position, const QString& folder)
{
    const QString file = Categories::bankFileForPosition(position);
    if (file.isEmpty())
        throw DbError(QStringLiteral("Для категории специалиста на месте %1 нет базы данных вопросов.").arg(position + 1));
    for (SqlTableModel* t : {ADOVoprosy_Otvety, ADORazdel, ADOIndex})
        t->clear();
    if (onServer()) {
        openServerBank(position, folder);
        return;
    }
    Global::PathBD = folder;
    Global::StrConnect = folder + file;
    Db::openDatabaseFile(ADOConnection, Global::StrConnect);
}

void TfrmADODataModule::connectCategoryBank(const QString& categoryName, const QString& folder)
{
    const int position = categoryPosition(categoryName);
    if (position < 0)
        throw DbError(QStringLiteral("Категория специалиста «%1» не найдена.").arg(categoryName));
    connectCategoryBank(position, folder);
}
