#pragma once
// Process-wide shared state. Windows pass the work mode, the chosen category and section,
// the exam's parameters and counters only through these variables and the data module.
#include <QSet>
#include <QString>
#include <array>

namespace Global {

// Work-mode codes held in RegimRaboty.
enum Regim : quint8 { RegimNone = 0, RegimExam = 1, RegimSelfTraining = 2, RegimEditor = 5, RegimView = 7 };

inline QString Stroka;       // scratch text, filled right before each use
inline QString StrConnect;   // the database file path of the connection last built
inline QString PathExe;      // the program's folder, with a trailing separator
inline QString PathBD;       // the data folder of the connection last built, with a trailing separator
inline quint8 RegimRaboty = RegimNone;
inline qint32 KolZapisey = 0;         // rows of the section table being drawn
inline QSet<int> VyborSet;            // question numbers drawn from the current section (any number)
inline QString KategoriyaExamena;     // examinee's category, written into the journal row at grading
inline quint8 ParolVveden = 0;        // 1 when the last password dialog was passed
inline quint8 ExamCancelled = 0;      // the exam flow was abandoned or has ended
inline QString SystemToka;            // "переменного тока" or "постоянного тока"
inline qint32 KolVoprosovPoRazdelu = 0;   // registered questions of the section open in the editor
inline quint8 KolVoprosov = 0;        // questions of the exam
inline std::array<quint8, 10> KolVoprosovRazdel{};  // per-section quotas, indexed 1..9 (0 unused)
inline quint8 PorogOtlichno = 0;
inline quint8 PorogKhorosho = 0;
inline quint8 PorogUdovletvoritelno = 0;
inline quint8 PorogNeudovletvoritelno = 0;
inline quint8 KolOtvetov = 0;         // answers confirmed in the running exam
inline quint8 NomerOtveta = 0;        // 1..3, the answer chosen last in the exam window
inline QString NameKategorii;         // chosen category's display name
inline QString NameRazdela;           // chosen section table, "Раздел_1" .. "Раздел_9"
inline quint8 PokazPodskazki = 1;     // hint toggle of the detailed results window

// Puts every variable back to its start value (used between test cases).
void resetAll();

} // namespace Global
