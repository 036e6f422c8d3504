"""Rows of Журнал_All as the journal document types them (shared by the comparison scripts).

Dates are stored as ISO text ("yyyy-MM-dd" or "yyyy-MM-ddTHH:mm:ss") and typed as "dd.mm.yyyy",
followed by the time of day only when it is not midnight; empty fields are typed as empty text.
"""
import sqlite3

RULES = [
    "Правила безопасности при эксплуатации",
    "контактной сети и устройств электроснабжения",
    "автоблокировки железных дорог",
    "ОАО «МАГИСТРАЛЬ» № 103,",
    "Инструкция по безопасности для",
    " электромонтеров контактной сети № 104,",
    "Инструкция по ограждению изолированных",
    "съёмных вышек при производстве работ",
    "на контактной сети железных дорог",
    "ОАО «МАГИСТРАЛЬ» № 4579.",
]


def date_text(value):
    if not value:
        return ""
    text = str(value).strip()
    day = "%s.%s.%s" % (text[8:10], text[5:7], text[0:4])
    time = text[11:19]
    return day if not time or time == "00:00:00" else day + " " + time


def read_rows(db_path, limit=None):
    con = sqlite3.connect(db_path)
    sql = ("SELECT ФИО, Дата_предыдущей_проверки, Дата_проверки, Дата_следующей_проверки "
           "FROM Журнал_All ORDER BY rowid")
    if limit:
        sql += " LIMIT %d" % int(limit)
    rows = [(fio or "", date_text(prev), date_text(day), date_text(nxt))
            for fio, prev, day, nxt in con.execute(sql)]
    con.close()
    return rows
