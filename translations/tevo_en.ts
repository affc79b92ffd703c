<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AutoLoad</name>
    <message>
        <source>Файл не загружен: таблица товаров и весы не изменены.</source>
        <translation>The file was not loaded: the goods table and the scales are unchanged.</translation>
    </message>
</context>
<context>
    <name>ChangeJournal</name>
    <message>
        <source>правка</source>
        <translation>edit</translation>
    </message>
    <message>
        <source>импорт</source>
        <translation>import</translation>
    </message>
    <message>
        <source>автозагрузка</source>
        <translation>automatic loading</translation>
    </message>
    <message>
        <source>чтение из весов</source>
        <translation>read from scales</translation>
    </message>
    <message>
        <source>пустая таблица</source>
        <translation>empty table</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>Текст сообщения</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов «%1» нет знака «=»: пишите ПОЛЕ=Заголовок.</source>
        <translation>Column mapping «%1» has no «=» sign: write FIELD=Title.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов неизвестное поле «%1»; поля: %2.</source>
        <translation>Column mapping names an unknown field «%1»; the fields are: %2.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов поле %1 названо дважды.</source>
        <translation>Column mapping names field %1 twice.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов неизвестная единица «%1»: пишите :грн или :коп.</source>
        <translation>Column mapping names an unknown unit «%1»: write :грн or :коп.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов у поля %1 не назван столбец.</source>
        <translation>Column mapping names no column for field %1.</translation>
    </message>
    <message>
        <source>в файле нет столбца «%1» (для поля %2)</source>
        <translation>the file has no column «%1» (for field %2)</translation>
    </message>
</context>
<context>
    <name>ColumnTitles</name>
    <message>
        <source>№ PLU</source>
        <translation>PLU No.</translation>
    </message>
    <message>
        <source>Название товара 1</source>
        <translation>Goods name 1</translation>
    </message>
    <message>
        <source>Название товара 2</source>
        <translation>Goods name 2</translation>
    </message>
    <message>
        <source>Цена (коп.)</source>
        <translation>Price (kop.)</translation>
    </message>
    <message>
        <source>Срок годности</source>
        <translation>Shelf life</translation>
    </message>
    <message>
        <source>Тара</source>
        <translation>Tare</translation>
    </message>
    <message>
        <source>Код товара</source>
        <translation>Goods code</translation>
    </message>
    <message>
        <source>Групповой код</source>
        <translation>Group code</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Логотип (PL/US)</source>
        <translation>Logo (PL/US)</translation>
    </message>
    <message>
        <source>Последнее стирание</source>
        <translation>Last erase</translation>
    </message>
    <message>
        <source>Общая сумма</source>
        <translation>Total amount</translation>
    </message>
    <message>
        <source>Общий вес</source>
        <translation>Total weight</translation>
    </message>
    <message>
        <source>Кол-во продаж</source>
        <translation>Sales count</translation>
    </message>
    <message>
        <source>Группа весов</source>
        <translation>Scale group</translation>
    </message>
    <message>
        <source>Исп.</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Название весов</source>
        <translation>Scale name</translation>
    </message>
    <message>
        <source>IP/COM</source>
        <translation>IP/COM</translation>
    </message>
    <message>
        <source>Port/Speed</source>
        <translation>Port/Speed</translation>
    </message>
    <message>
        <source>Входит в группы</source>
        <translation>Member of groups</translation>
    </message>
    <message>
        <source>№ Сообщения</source>
        <translation>Message No.</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>CommandFacts</name>
    <message>
        <source>Не выбраны ни одни весы!</source>
        <translation>No scales are selected!</translation>
    </message>
    <message>
        <source>Выберите только одни весы!</source>
        <translation>Select only one scale!</translation>
    </message>
    <message>
        <source>чтение настроек</source>
        <translation>settings read</translation>
    </message>
    <message>
        <source>настройки</source>
        <translation>the settings</translation>
    </message>
    <message>
        <source>Настройки пользователя успешно считаны.</source>
        <translation>The user settings were read successfully.</translation>
    </message>
    <message>
        <source>чтение заголовка магазина</source>
        <translation>shop header read</translation>
    </message>
    <message>
        <source>заголовок магазина</source>
        <translation>the shop header</translation>
    </message>
    <message>
        <source>чтение логотипа</source>
        <translation>logo read</translation>
    </message>
    <message>
        <source>логотип</source>
        <translation>the logo</translation>
    </message>
    <message>
        <source>проверка связи</source>
        <translation>connection check</translation>
    </message>
    <message>
        <source>запись настроек</source>
        <translation>settings write</translation>
    </message>
    <message>
        <source>Настройки пользователя успешно переданы.</source>
        <translation>The user settings were sent successfully.</translation>
    </message>
    <message>
        <source>запись заголовка магазина</source>
        <translation>shop header write</translation>
    </message>
    <message>
        <source>запись логотипа</source>
        <translation>logo write</translation>
    </message>
    <message>
        <source>Логотип успешно записан.</source>
        <translation>The logo was written successfully.</translation>
    </message>
    <message>
        <source>установка даты</source>
        <translation>date setting</translation>
    </message>
    <message>
        <source>дату</source>
        <translation>the date</translation>
    </message>
    <message>
        <source>Дата и время синхронизированы с компьютером.</source>
        <translation>The date and time were synchronised with the computer.</translation>
    </message>
    <message>
        <source>установка времени</source>
        <translation>time setting</translation>
    </message>
    <message>
        <source>время</source>
        <translation>the time</translation>
    </message>
    <message>
        <source>чтение товаров</source>
        <translation>goods read</translation>
    </message>
    <message>
        <source>Запрошенные PLU успешно считаны</source>
        <translation>The requested PLUs were read successfully</translation>
    </message>
    <message>
        <source>чтение товаров из весов</source>
        <translation>reading goods from the scales</translation>
    </message>
    <message>
        <source>запись товаров</source>
        <translation>goods write</translation>
    </message>
    <message>
        <source>Все PLU успешно записаны в весы %1</source>
        <translation>All PLUs were written to the scales successfully: %1</translation>
    </message>
    <message>
        <source>запись товаров в весы</source>
        <translation>writing goods to the scales</translation>
    </message>
    <message>
        <source>чтение сообщений</source>
        <translation>messages read</translation>
    </message>
    <message>
        <source>На вкладеке &quot;Настройка&quot; выберите только одни весы!</source>
        <translation>On the &quot;Settings&quot; tab select only one scale!</translation>
    </message>
    <message>
        <source>Запрошенные сообщения успешно считаны</source>
        <translation>The requested messages were read successfully</translation>
    </message>
    <message>
        <source>чтение сообщений из весов</source>
        <translation>reading messages from the scales</translation>
    </message>
    <message>
        <source>запись сообщений</source>
        <translation>messages write</translation>
    </message>
    <message>
        <source>Все сообщения успешно записаны</source>
        <translation>All messages were written successfully</translation>
    </message>
    <message>
        <source>запись сообщений в весы</source>
        <translation>writing messages to the scales</translation>
    </message>
    <message>
        <source>сверка товаров с весами</source>
        <translation>check of the goods against the scales</translation>
    </message>
    <message>
        <source>сверка сообщений с весами</source>
        <translation>check of the messages against the scales</translation>
    </message>
    <message>
        <source>чтение итогов продаж</source>
        <translation>sales totals read</translation>
    </message>
    <message>
        <source>итоги продаж</source>
        <translation>the sales totals</translation>
    </message>
    <message>
        <source>чтение состояния весов</source>
        <translation>scale state read</translation>
    </message>
    <message>
        <source>состояние весов</source>
        <translation>the scale state</translation>
    </message>
</context>
<context>
    <name>CommandLineMark</name>
    <message>
        <source>окно Tevo</source>
        <translation>the Tevo window</translation>
    </message>
    <message>
        <source>другая команда tevo-cli</source>
        <translation>another tevo-cli command</translation>
    </message>
    <message>
        <source>другая программа</source>
        <translation>another program</translation>
    </message>
    <message>
        <source> или </source>
        <translation> or </translation>
    </message>
    <message>
        <source>База данных занята другой программой (%1): Tevo ждал %2 с, пока %3 сохранит свои изменения. Повторите команду позже.</source>
        <translation>The database is busy with another program (%1): Tevo waited %2 s for %3 to save its changes. Repeat the command later.</translation>
    </message>
    <message>
        <source>база данных занята другой программой (%1): Tevo ждал %2 с, пока %3 сохранит свои изменения. Повторите команду позже.</source>
        <translation>the database is busy with another program (%1): Tevo waited %2 s for %3 to save its changes. Repeat the command later.</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Проверка связи окончена. Обнаружено включеных %1 весов.</source>
        <translation>Connection check finished. Scales found switched on: %1.</translation>
    </message>
    <message>
        <source>Идет обмен с весами. Проверить связь можно после его окончания или после кнопки «Прекратить обмен с весами».</source>
        <translation>An exchange with the scales is running. The connection can be checked after it ends or after the «Stop the exchange with the scales» button.</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Файл «%1» пуст: в нём нет ни одной строки.</source>
        <translation>File «%1» is empty: it has no lines.</translation>
    </message>
    <message>
        <source>Файл «%1» не текстовый: это не файл товаров или сообщений в этом формате. Ничего не изменено.</source>
        <translation>File «%1» is not a text file: it is not a goods or messages file in this format. Nothing was changed.</translation>
    </message>
    <message>
        <source>Файл «%1», строка %2: значение «%3» поля %4 не закончено знаком «;» и не было бы загружено (в этом формате каждое поле заканчивается «;»). Ничего не изменено.</source>
        <translation>File «%1», line %2: value «%3» of field %4 does not end with «;» and would not be loaded (in this format every field ends with «;»). Nothing was changed.</translation>
    </message>
    <message>
        <source>В файле «%1» нет ни одной строки с полями, разделёнными «;»: это не файл товаров или сообщений в этом формате. Ничего не изменено.</source>
        <translation>File «%1» has no line of fields separated by «;»: it is not a goods or messages file in this format. Nothing was changed.</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Ошибки найдены в: </source>
        <translation>Errors found in: </translation>
    </message>
    <message>
        <source>№ ПЛУ </source>
        <translation>PLU No. </translation>
    </message>
    <message>
        <source>№ ПЛУ; </source>
        <translation>PLU No.; </translation>
    </message>
    <message>
        <source>Название товара 1</source>
        <translation>Goods name 1</translation>
    </message>
    <message>
        <source>Название товара 1; </source>
        <translation>Goods name 1; </translation>
    </message>
    <message>
        <source>Название товара 2</source>
        <translation>Goods name 2</translation>
    </message>
    <message>
        <source>Название товара 2; </source>
        <translation>Goods name 2; </translation>
    </message>
    <message>
        <source>%1: знаки %2 весы напечатают как «%3»; </source>
        <translation>%1: the scale will print the characters %2 as «%3»; </translation>
    </message>
    <message>
        <source>Код товара </source>
        <translation>Goods code </translation>
    </message>
    <message>
        <source>Код товара; </source>
        <translation>Goods code; </translation>
    </message>
    <message>
        <source>Цена </source>
        <translation>Price </translation>
    </message>
    <message>
        <source>Цена; </source>
        <translation>Price; </translation>
    </message>
    <message>
        <source>Срок годности </source>
        <translation>Shelf life </translation>
    </message>
    <message>
        <source>Срок годности; </source>
        <translation>Shelf life; </translation>
    </message>
    <message>
        <source>Тара; </source>
        <translation>Tare; </translation>
    </message>
    <message>
        <source>Тара </source>
        <translation>Tare </translation>
    </message>
    <message>
        <source>Групповой код </source>
        <translation>Group code </translation>
    </message>
    <message>
        <source>Групповой год; </source>
        <translation>Group code; </translation>
    </message>
    <message>
        <source>Проверка данных завершена успешно. Ошибок не обнаружено</source>
        <translation>The data check finished successfully. No errors were found</translation>
    </message>
    <message>
        <source>; строка №</source>
        <translation>; row #</translation>
    </message>
    <message>
        <source>№ ПЛУ %1 повторяется (в таблице %2 строк); строка №%1</source>
        <translation>PLU No. %1 occurs twice (the table has %2 rows); row #%1</translation>
    </message>
    <message>
        <source>№ ПЛУ %1 стоит в строке %2: номера идут не от 1 по порядку; строка №%1</source>
        <translation>PLU No. %1 stands in row %2: the numbers do not run in order from 1; row #%1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Cannot create folder %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Table unknown
%1</source>
        <translation>Table unknown
%1</translation>
    </message>
    <message>
        <source>Связь с сервером базы данных потеряна: изменения после последнего сохранения не сохранены. Программа соединится с сервером снова при следующем действии с базой данных или при активации окна и перечитает таблицы.</source>
        <translation>The connection to the database server was lost: the changes since the last save were not saved. The program will connect to the server again at the next action on the database or when the window is activated, and will read the tables again.</translation>
    </message>
    <message>
        <source>Database not open</source>
        <translation>Database not open</translation>
    </message>
    <message>
        <source>База данных сама отменила все изменения после последнего сохранения: они потеряны. Таблицы перечитаны из базы данных.</source>
        <translation>The database itself cancelled all changes since the last save: they are lost. The tables were read again from the database.</translation>
    </message>
    <message>
        <source>
Базу данных держит %1.</source>
        <translation>
The database is held by %1.</translation>
    </message>
    <message>
        <source>
Изменения пока не сохранены в базе данных; программа сохранит их, как только база данных освободится.</source>
        <translation>
The changes are not saved in the database yet; the program will save them as soon as the database is free.</translation>
    </message>
    <message>
        <source>Сервер базы данных не ответил за %1 с.</source>
        <translation>The database server did not answer within %1 s.</translation>
    </message>
</context>
<context>
    <name>DatabaseChoice</name>
    <message>
        <source>Файл %1 не называет сервер базы данных: %2. Нужна строка Server= в разделе [Database], например:
[Database]
Server=host=сервер dbname=tevo user=kassa
Исправьте файл или удалите его, чтобы работать с файлом базы данных этого компьютера.</source>
        <translation>File %1 does not name the database server: %2. It needs a line Server= in the section [Database], for example:
[Database]
Server=host=server dbname=tevo user=kassa
Correct the file or delete it to work with the database file of this computer.</translation>
    </message>
    <message>
        <source>в нём нет раздела [Database]</source>
        <translation>it has no section [Database]</translation>
    </message>
    <message>
        <source>раздел [Database] пуст</source>
        <translation>the section [Database] is empty</translation>
    </message>
    <message>
        <source>в разделе [Database] нет строки Server= (есть: %1)</source>
        <translation>the section [Database] has no line Server= (it has: %1)</translation>
    </message>
    <message>
        <source>строка Server= пуста</source>
        <translation>the line Server= is empty</translation>
    </message>
    <message>
        <source>В файле %1 записан пароль сервера базы данных, а читать файл могут и другие пользователи этого компьютера. Сделайте файл доступным только себе (chmod 600) или перенесите пароль в ~/.pgpass.</source>
        <translation>File %1 holds the password of the database server, and other users of this computer can read the file. Make the file readable by you alone (chmod 600) or move the password to ~/.pgpass.</translation>
    </message>
</context>
<context>
    <name>DatabaseFile</name>
    <message>
        <source>The database %1 stores text as %2; the tables need UTF8 (CREATE DATABASE … ENCODING &apos;UTF8&apos;)</source>
        <translation>The database %1 stores text as %2; the tables need UTF8 (CREATE DATABASE … ENCODING &apos;UTF8&apos;)</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <source>The server connection must be written as key=value pairs (host=… port=… dbname=… user=…), not as a URI</source>
        <translation>The server connection must be written as key=value pairs (host=… port=… dbname=… user=…), not as a URI</translation>
    </message>
    <message>
        <source>unterminated quoted string in connection info string</source>
        <translation>unterminated quoted string in connection info string</translation>
    </message>
    <message>
        <source>файл %1</source>
        <translation>file %1</translation>
    </message>
    <message>
        <source>сервер PostgreSQL %1</source>
        <translation>PostgreSQL server %1</translation>
    </message>
    <message>
        <source>сервер PostgreSQL (строка подключения не читается)</source>
        <translation>PostgreSQL server (the connection string cannot be read)</translation>
    </message>
</context>
<context>
    <name>DbfExchange</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>Value &apos;%1&apos; of goods %2 does not fit field &apos;%3&apos; (%4 characters)</source>
        <translation>Value &apos;%1&apos; of goods %2 does not fit field &apos;%3&apos; (%4 characters)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; of %2 holds neither text nor numbers</source>
        <translation>Field &apos;%1&apos; of %2 holds neither text nor numbers</translation>
    </message>
</context>
<context>
    <name>DbfFile</name>
    <message>
        <source>File %1 is not a dBase table</source>
        <translation>File %1 is not a dBase table</translation>
    </message>
    <message>
        <source>File %1 is damaged: it is shorter than its header states</source>
        <translation>File %1 is damaged: it is shorter than its header states</translation>
    </message>
    <message>
        <source>File %1 is damaged: it holds fewer records than its header states</source>
        <translation>File %1 is damaged: it holds fewer records than its header states</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
</context>
<context>
    <name>DbfTemplate</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
</context>
<context>
    <name>ExchangeEngine</name>
    <message>
        <source>Идет проверка связи с весами. Дождитесь её окончания и повторите команду.</source>
        <translation>A connection check with the scales is running. Wait for it to end and repeat the command.</translation>
    </message>
    <message>
        <source>Диапазон для загрузки пуст: введите номера записей, например 1-5, 7-8.</source>
        <translation>The range to load is empty: enter record numbers, for example 1-5, 7-8.</translation>
    </message>
</context>
<context>
    <name>ExchangeTexts</name>
    <message>
        <source>%1 отказались принять сообщения: %2</source>
        <translation>%1 refused the messages: %2</translation>
    </message>
    <message>
        <source>%1 отказались принять PLU: %2</source>
        <translation>%1 refused PLU: %2</translation>
    </message>
    <message>
        <source>команду %1</source>
        <translation>command %1</translation>
    </message>
    <message>
        <source> (сообщение %1)</source>
        <translation> (message %1)</translation>
    </message>
    <message>
        <source> и </source>
        <translation> and </translation>
    </message>
    <message>
        <source>… (всего %1)</source>
        <translation>… (%1 in all)</translation>
    </message>
    <message numerus="yes">
        <source>%n расхождений</source>
        <translation>
            <numerusform>%n difference</numerusform>
            <numerusform>%n differences</numerusform>
        </translation>
    </message>
    <message>
        <source>отличается</source>
        <translation>differs</translation>
    </message>
    <message>
        <source>нет в весах</source>
        <translation>not in the scale</translation>
    </message>
    <message>
        <source>лишний в весах</source>
        <translation>extra in the scale</translation>
    </message>
    <message>
        <source>%1 не ответили: сверка не сделана.</source>
        <translation>%1 did not answer: the check was not made.</translation>
    </message>
    <message>
        <source>%1: %2 из %3</source>
        <translation>%1: %2 of %3</translation>
    </message>
    <message>
        <source> (сверено не всё: весы перестали отвечать)</source>
        <translation> (not all checked: the scale stopped answering)</translation>
    </message>
    <message>
        <source>%1 отказались передать %2</source>
        <translation>%1 refused to send %2</translation>
    </message>
    <message>
        <source>%1 отказались принять %2</source>
        <translation>%1 refused %2</translation>
    </message>
    <message>
        <source>%1: отправлено %2, уже были в весах %3</source>
        <translation>%1: sent %2, already in the scale %3</translation>
    </message>
    <message>
        <source>%1 не отвечают: сделано %2 из %3.</source>
        <translation>%1 does not answer: %2 of %3 done.</translation>
    </message>
    <message>
        <source>%1 не отвечают на команду %2: сделано %3 из %4.</source>
        <translation>%1 does not answer the command %2: %3 of %4 done.</translation>
    </message>
    <message>
        <source>%1 — недоступны: %2</source>
        <translation>%1 — unavailable: %2</translation>
    </message>
    <message>
        <source>; нет в весах: </source>
        <translation>; not in the scale: </translation>
    </message>
    <message>
        <source>; не приняты: </source>
        <translation>; not accepted: </translation>
    </message>
    <message>
        <source>; отказ: </source>
        <translation>; refused: </translation>
    </message>
    <message>
        <source> — не отвечает, обмен с ними закончен</source>
        <translation> — not answering, its exchange is over</translation>
    </message>
    <message>
        <source> — не отвечает на команду %1, обмен с ними закончен</source>
        <translation> — not answering the command %1, its exchange is over</translation>
    </message>
    <message>
        <source> — не ответили ни разу, обмен прекращён</source>
        <translation> — never answered, the exchange was stopped</translation>
    </message>
    <message>
        <source> — не отвечает, обмен прекращён</source>
        <translation> — not answering, the exchange was stopped</translation>
    </message>
    <message>
        <source> — обмен прекращён</source>
        <translation> — the exchange was stopped</translation>
    </message>
    <message>
        <source> — не отвечает</source>
        <translation> — not answering</translation>
    </message>
</context>
<context>
    <name>GoodsRecord</name>
    <message>
        <source>&apos;%1&apos;: код длиннее шести цифр не помещается в весы</source>
        <translation>&apos;%1&apos;: a code longer than six digits does not fit in the scale</translation>
    </message>
    <message>
        <source>A goods reply needs at least %1 bytes, got %2</source>
        <translation>A goods reply needs at least %1 bytes, got %2</translation>
    </message>
</context>
<context>
    <name>GoodsSheetFile</name>
    <message>
        <source>The goods table has %1 rows; a spreadsheet holds at most %2</source>
        <translation>The goods table has %1 rows; a spreadsheet holds at most %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
</context>
<context>
    <name>GoodsTextFile</name>
    <message>
        <source>Файл товаров %1, строка %2, раздел [%3]: %4</source>
        <translation>Goods file %1, line %2, section [%3]: %4</translation>
    </message>
    <message>
        <source>Файл товаров %1 пуст: в нём нет ни одного товара.</source>
        <translation>Goods file %1 is empty: it holds no goods.</translation>
    </message>
    <message>
        <source>Файл товаров %1 записан в кодировке UTF-16, а файл товаров читается только в Windows-1251 или UTF-8. Сохраните его в одной из них.</source>
        <translation>Goods file %1 is written in UTF-16, but a goods file is read only in Windows-1251 or UTF-8. Save it in one of them.</translation>
    </message>
    <message>
        <source>Файл товаров %1 не текстовый: в строке %2 байт 0x%3, которого в тексте не бывает. Это не файл товаров или он повреждён.</source>
        <translation>Goods file %1 is not a text file: line %2 holds byte 0x%3, which text never holds. It is not a goods file or it is damaged.</translation>
    </message>
    <message>
        <source>В файле товаров %1 нет раздела [Main] с числом записей RecordCount: файл не дописан до конца или это не файл товаров.</source>
        <translation>Goods file %1 has no section [Main] with the record count RecordCount: the file was not written to the end or it is not a goods file.</translation>
    </message>
    <message>
        <source>нет числа записей RecordCount.</source>
        <translation>no record count RecordCount.</translation>
    </message>
    <message>
        <source>RecordCount=%1, а нужно целое число больше 0.</source>
        <translation>RecordCount=%1, but a whole number greater than 0 is needed.</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>В файле товаров %1 нет ни одного товара: ни в одном из разделов [1] … [%2] нет значений.</source>
        <translation>Goods file %1 holds no goods: none of the sections [1] … [%2] has values.</translation>
    </message>
</context>
<context>
    <name>GoodsTransfer</name>
    <message>
        <source>В таблице товаров нет строки № %1 (в ней %2 строк): обмен не начат, в весы ничего не отправлено.</source>
        <translation>The goods table has no row No. %1 (it has %2 rows): the exchange was not started, nothing was sent to the scales.</translation>
    </message>
    <message>
        <source>В таблице товаров больше нет строки № %1: запись остановлена.</source>
        <translation>The goods table no longer has row No. %1: the write was stopped.</translation>
    </message>
    <message>
        <source>%1
Товар № %2 не может быть записан в весы; обмен остановлен.</source>
        <translation>%1
Goods No. %2 cannot be written to the scales; the exchange was stopped.</translation>
    </message>
    <message>
        <source>В таблице товаров нет строки № %1: товар не сохранён, обмен остановлен.</source>
        <translation>The goods table has no row No. %1: the goods were not stored, the exchange was stopped.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>цена %1 грн вне пределов весов (0,00 … %2 грн)</source>
        <translation>price %1 UAH is outside the scale&apos;s limits (0.00 … %2 UAH)</translation>
    </message>
    <message>
        <source>%1 — тара должна быть чётной</source>
        <translation>%1 — the tare must be even</translation>
    </message>
    <message>
        <source>%1 вне пределов %2 … %3</source>
        <translation>%1 is outside %2 … %3</translation>
    </message>
    <message>
        <source>В файле «%1» нет такого листа.</source>
        <translation>File «%1» has no such sheet.</translation>
    </message>
    <message>
        <source>Файл «%1»: %2.</source>
        <translation>File «%1»: %2.</translation>
    </message>
    <message>
        <source>Файл «%1»: не указан столбец с номером (PLU), по которому выбирается строка таблицы.</source>
        <translation>File «%1»: no column with the number (PLU) that picks the row of the table is given.</translation>
    </message>
    <message>
        <source>Файл «%1»: не указан ни один столбец со значениями для таблицы.</source>
        <translation>File «%1»: no column with values for the table is given.</translation>
    </message>
    <message>
        <source>В файле «%1» нет ни одной строки с данными под заголовком.</source>
        <translation>File «%1» has no row of data under the header.</translation>
    </message>
    <message>
        <source>Файл «%1», %2%3: %4.</source>
        <translation>File «%1», %2%3: %4.</translation>
    </message>
    <message>
        <source>нет номера PLU</source>
        <translation>no PLU number</translation>
    </message>
    <message>
        <source>нет номера сообщения</source>
        <translation>no message number</translation>
    </message>
    <message>
        <source>номер %1 вне таблицы: таблица пуста</source>
        <translation>number %1 is outside the table: the table is empty</translation>
    </message>
    <message>
        <source>номер %1 вне таблицы (1 … %2)</source>
        <translation>number %1 is outside the table (1 … %2)</translation>
    </message>
    <message>
        <source>номер %1 уже был: %2</source>
        <translation>number %1 occurred already: %2</translation>
    </message>
    <message>
        <source>Файл «%1», %2: текст длиннее %3 знаков, в сообщение войдут первые %3.</source>
        <translation>File «%1», %2: the text is longer than %3 characters, the message takes the first %3.</translation>
    </message>
    <message>
        <source>строка сообщения длиннее %1 знаков (%2)</source>
        <translation>message line longer than %1 characters (%2)</translation>
    </message>
    <message>
        <source>Файл «%1», %2: название длиннее %3 знаков записи весов; проверка данных отметит его.</source>
        <translation>File «%1», %2: the name is longer than the %3 characters of the scale&apos;s record; the data check will mark it.</translation>
    </message>
    <message>
        <source>Импорт не выполнен, таблица не изменена: строк, которые нельзя сохранить, %1. Первая: %2</source>
        <translation>The import was not made, the table is unchanged: rows that cannot be stored: %1. The first: %2</translation>
    </message>
    <message>
        <source>В файле «%1» нет строк для импорта.</source>
        <translation>File «%1» has no rows to import.</translation>
    </message>
    <message>
        <source>Импорт не выполнен: номера %1 уже нет в таблице (%2 строк).</source>
        <translation>The import was not made: number %1 is no longer in the table (%2 rows).</translation>
    </message>
    <message>
        <source>Из файла «%1» прочитано строк: %2; %3 не изменилось: в таблице уже то же самое.</source>
        <translation>Rows read from file «%1»: %2; %3 changed: the table already holds the same.</translation>
    </message>
    <message>
        <source>ни одного товара</source>
        <translation>no goods</translation>
    </message>
    <message>
        <source>ни одного сообщения</source>
        <translation>no message</translation>
    </message>
    <message>
        <source>Из файла «%1» прочитано строк: %2; изменено %3: %4 (столбцы: %5).</source>
        <translation>Rows read from file «%1»: %2; %3 changed: %4 (columns: %5).</translation>
    </message>
    <message>
        <source>товаров</source>
        <translation>goods</translation>
    </message>
    <message>
        <source>сообщений</source>
        <translation>messages</translation>
    </message>
</context>
<context>
    <name>ImportSupport</name>
    <message>
        <source>%1 number %2 is outside the table: the table is empty</source>
        <translation>%1 number %2 is outside the table: the table is empty</translation>
    </message>
    <message>
        <source>%1 number %2 is outside the table (1-%3)</source>
        <translation>%1 number %2 is outside the table (1-%3)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
</context>
<context>
    <name>Logo</name>
    <message>
        <source>Cannot open picture %1: %2</source>
        <translation>Cannot open picture %1: %2</translation>
    </message>
</context>
<context>
    <name>MessagesTransfer</name>
    <message>
        <source>В таблице сообщений нет строки № %1 (в ней %2 строк): обмен не начат, в весы ничего не отправлено.</source>
        <translation>The messages table has no row No. %1 (it has %2 rows): the exchange was not started, nothing was sent to the scales.</translation>
    </message>
    <message>
        <source>В таблице сообщений больше нет строки № %1: запись остановлена.</source>
        <translation>The messages table no longer has row No. %1: the write was stopped.</translation>
    </message>
    <message>
        <source>В таблице сообщений нет строки № %1: сообщение не сохранено, обмен остановлен.</source>
        <translation>The messages table has no row No. %1: the message was not stored, the exchange was stopped.</translation>
    </message>
</context>
<context>
    <name>MoneyText</name>
    <message>
        <source>%1 — не число</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1: цена в копейках — целое число</source>
        <translation>%1: a price in kopecks is a whole number</translation>
    </message>
    <message>
        <source>%1: больше двух знаков после запятой, это не целое число копеек</source>
        <translation>%1: more than two digits after the decimal point, that is not a whole number of kopecks</translation>
    </message>
    <message>
        <source>%1: слишком большое число</source>
        <translation>%1: the number is too large</translation>
    </message>
    <message>
        <source>%1 — не целое число</source>
        <translation>%1 is not a whole number</translation>
    </message>
</context>
<context>
    <name>OperationGuard</name>
    <message>
        <source>операция с таблицами</source>
        <translation>a table operation</translation>
    </message>
    <message>
        <source>Программа завершает работу: команда не выполнена.</source>
        <translation>The program is closing: the command was not carried out.</translation>
    </message>
    <message>
        <source>Сейчас выполняется другая операция с таблицами: %1. Повторите команду, когда она закончится.</source>
        <translation>Another table operation is running now: %1. Repeat the command when it ends.</translation>
    </message>
</context>
<context>
    <name>PacketBytes</name>
    <message>
        <source>A %1 reply needs %2 bytes, got %3</source>
        <translation>A %1 reply needs %2 bytes, got %3</translation>
    </message>
    <message>
        <source>A packet of %1 bytes has no %2 bytes from byte %3</source>
        <translation>A packet of %1 bytes has no %2 bytes from byte %3</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
</context>
<context>
    <name>RangeSelection</name>
    <message>
        <source>Номер %1 вне диапазона 1 … %2</source>
        <translation>Number %1 is outside the range 1 … %2</translation>
    </message>
</context>
<context>
    <name>ReportSheetFile</name>
    <message>
        <source>Не удаётся записать файл «%1»: %2.</source>
        <translation>Cannot write file «%1»: %2.</translation>
    </message>
    <message>
        <source>недопустимое имя листа «%1»</source>
        <translation>invalid sheet name «%1»</translation>
    </message>
    <message>
        <source>нет доступа к папке или нет места на диске</source>
        <translation>no access to the folder or no room on the disk</translation>
    </message>
</context>
<context>
    <name>ScaleChannels</name>
    <message>
        <source>Весы %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Весы «%1» (%2)</source>
        <translation>Scale «%1» (%2)</translation>
    </message>
    <message>
        <source>%1: нет связи: %2</source>
        <translation>%1: no connection: %2</translation>
    </message>
    <message>
        <source>скорость линии (PORT) не указана — например 9600</source>
        <translation>the line speed (PORT) is not given — for example 9600</translation>
    </message>
    <message>
        <source>скорость линии «%1» (PORT) — у последовательного порта нет такой скорости, например 9600</source>
        <translation>line speed «%1» (PORT) — the serial port has no such speed, for example 9600</translation>
    </message>
    <message>
        <source>порт %1 не связан ни с каким устройством (%2)</source>
        <translation>port %1 is bound to no device (%2)</translation>
    </message>
    <message>
        <source>порт %1: нет устройства %2</source>
        <translation>port %1: no device %2</translation>
    </message>
    <message>
        <source>порт %1 (%2) не открывается: %3</source>
        <translation>port %1 (%2) cannot be opened: %3</translation>
    </message>
    <message>
        <source>«%1» — последовательный порт должен называться COM0 … COM9</source>
        <translation>«%1» — a serial port must be named COM0 … COM9</translation>
    </message>
    <message>
        <source>«%1» — это тот же последовательный порт%2, что у строки %3 «%4»</source>
        <translation>«%1» — this is the same serial port%2 as that of row %3 «%4»</translation>
    </message>
    <message>
        <source>в обмене участвуют только первые %1 весов списка</source>
        <translation>only the first %1 scales of the list take part in an exchange</translation>
    </message>
    <message>
        <source>«%1» — это не IP-адрес (например 192.168.0.10) и не порт COM0 … COM9</source>
        <translation>«%1» — this is neither an IP address (for example 192.168.0.10) nor a port COM0 … COM9</translation>
    </message>
    <message>
        <source>порт TCP (PORT) не указан — нужно целое число от 1 до 65535</source>
        <translation>the TCP port (PORT) is not given — a whole number from 1 to 65535 is needed</translation>
    </message>
    <message>
        <source>порт «%1» — номер порта TCP должен быть целым числом от 1 до 65535</source>
        <translation>port «%1» — a TCP port number must be a whole number from 1 to 65535</translation>
    </message>
    <message>
        <source>%1 — этот адрес и порт уже у строки %2 «%3»</source>
        <translation>%1 — row %2 «%3» already has this address and port</translation>
    </message>
    <message>
        <source>Эти весы недоступны для обмена:
</source>
        <translation>These scales are unavailable for the exchange:
</translation>
    </message>
    <message>
        <source>%1 в строке %2 недоступны: %3</source>
        <translation>%1 in row %2 is unavailable: %3</translation>
    </message>
</context>
<context>
    <name>ScaleHoldings</name>
    <message numerus="yes">
        <source>%n товаров</source>
        <translation>
            <numerusform>%n goods item</numerusform>
            <numerusform>%n goods items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n сообщений</source>
        <translation>
            <numerusform>%n message</numerusform>
            <numerusform>%n messages</numerusform>
        </translation>
    </message>
    <message>
        <source>всё записано</source>
        <translation>all written</translation>
    </message>
    <message>
        <source>отстаёт: </source>
        <translation>behind: </translation>
    </message>
</context>
<context>
    <name>ScalePage</name>
    <message>
        <source>весы хранят %1 знаков, последние %2 не войдут</source>
        <translation>the scale keeps %1 characters, the last %2 will not fit</translation>
    </message>
    <message>
        <source>знаки %1 весы напечатают как «%2»</source>
        <translation>the scale will print the characters %1 as «%2»</translation>
    </message>
    <message>
        <source>Весы получат: «%1» (%2)</source>
        <translation>The scale will get: «%1» (%2)</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Файл настроек %1: %2</source>
        <translation>Settings file %1: %2</translation>
    </message>
    <message>
        <source>Строка %1 заголовка магазина содержит перевод строки: в файл настроек она не записывается.</source>
        <translation>Line %1 of the shop header holds a line break: it is not written to the settings file.</translation>
    </message>
    <message>
        <source>неизвестный раздел [%1] (есть [Settings], [Header] и [Logo])</source>
        <translation>unknown section [%1] (there are [Settings], [Header] and [Logo])</translation>
    </message>
    <message>
        <source>нет раздела [Settings]</source>
        <translation>no section [Settings]</translation>
    </message>
    <message>
        <source>нет ключа LabelFormat (номер строки списка «Формат Этикетки», 1 … %1)</source>
        <translation>no key LabelFormat (the line number in the «Label format» list, 1 … %1)</translation>
    </message>
    <message>
        <source>%1=%2 вне диапазона %3 … %4</source>
        <translation>%1=%2 is outside the range %3 … %4</translation>
    </message>
    <message>
        <source>%1=%2: должно быть 0 или 1</source>
        <translation>%1=%2: must be 0 or 1</translation>
    </message>
    <message>
        <source>неизвестный ключ %1 в разделе [Settings]</source>
        <translation>unknown key %1 in the section [Settings]</translation>
    </message>
    <message>
        <source>неизвестный ключ %1 в разделе [Header] (есть Line1 и Line2)</source>
        <translation>unknown key %1 in the section [Header] (there are Line1 and Line2)</translation>
    </message>
    <message>
        <source>строка заголовка «%1» длиннее %2 знаков</source>
        <translation>header line «%1» is longer than %2 characters</translation>
    </message>
    <message>
        <source>неизвестный ключ %1 в разделе [Logo] (есть Row1 … Row64)</source>
        <translation>unknown key %1 in the section [Logo] (there are Row1 … Row64)</translation>
    </message>
    <message>
        <source>строка логотипа %1 длиннее %2 точек</source>
        <translation>logo line %1 is longer than %2 dots</translation>
    </message>
    <message>
        <source>строка логотипа %1: знак «%2» (точки пишутся «#», пустые места «.»)</source>
        <translation>logo line %1: character «%2» (dots are written «#», blanks «.»)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
</context>
<context>
    <name>SettingsPackets</name>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 x 60 (2 goods ln.+8 msg ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 x 60 (1 goods ln.+8 msg ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.)</source>
        <translation>58 x 60 (2 goods ln.+8 msg ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.)</source>
        <translation>58 x 60 (1 goods ln.+8 msg ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 x 60 (2 goods ln.+4 msg ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 x 60 (1 goods ln.+4 msg ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.)</source>
        <translation>58 x 60 (2 goods ln.+4 msg ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.)</source>
        <translation>58 x 60 (1 goods ln.+4 msg ln.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 x 60 (2 goods ln.+8 msg ln.+2 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 x 60 (1 goods ln.+8 msg ln.+2 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 60 (2 goods ln.+8 msg ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 60 (1 goods ln.+8 msg ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 x 60 (2 goods ln.+8 msg ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 x 60 (1 goods ln.+8 msg ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 60 (2 goods ln.+4 msg ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 60 (1 goods ln.+4 msg ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 x 60 (2 goods ln.+4 msg ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 x 60 (1 goods ln.+4 msg ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 x 60 (2 goods ln.+4 msg ln.+2 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 x 60 (1 goods ln.+4 msg ln.+2 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+2 стр. маг.)</source>
        <translation>58 x 40 (2 goods ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+2 стр. маг.)</source>
        <translation>58 x 40 (1 goods ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.)</source>
        <translation>58 x 40 (2 goods ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.)</source>
        <translation>58 x 40 (1 goods ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 40 (2 goods ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 40 (1 goods ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+штр-к. в центре)</source>
        <translation>58 x 40 (2 goods ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+штр-к. в центре)</source>
        <translation>58 x 40 (1 goods ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 x 40 (2 goods ln.+1 msg ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 x 40 (1 goods ln.+1 msg ln.+2 shop ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.)</source>
        <translation>58 x 40 (2 goods ln.+1 msg ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.)</source>
        <translation>58 x 40 (1 goods ln.+1 msg ln.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 40 (2 goods ln.+1 msg ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 x 40 (1 goods ln.+1 msg ln.+2 shop ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 x 40 (2 goods ln.+1 msg ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 x 40 (1 goods ln.+1 msg ln.+barcode centred)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+2 стр. маг.+без препринта)</source>
        <translation>58 x 40 (2 goods ln.+2 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+2 стр. маг.+без препринта)</source>
        <translation>58 x 40 (1 goods ln.+2 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.)</source>
        <translation>58 x 30 (2 goods ln.+2 shop ln.+no barcode)</translation>
    </message>
    <message>
        <source>58 х 30 (1 стр. тов.+2 стр. маг.+без штр-к.)</source>
        <translation>58 x 30 (1 goods ln.+2 shop ln.+no barcode)</translation>
    </message>
    <message>
        <source>58 х 30 (2 стр. тов.+без штр-к.)</source>
        <translation>58 x 30 (2 goods ln.+no barcode)</translation>
    </message>
    <message>
        <source>58 х 30 (1 стр. тов.+без штр-к.)</source>
        <translation>58 x 30 (1 goods ln.+no barcode)</translation>
    </message>
    <message>
        <source>58 х 30 (1 стр. тов.+1 стр. маг.+без препринта)</source>
        <translation>58 x 30 (1 goods ln.+1 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.+без препринта)</source>
        <translation>58 x 30 (2 goods ln.+2 shop ln.+no barcode+no preprint)</translation>
    </message>
    <message>
        <source>40 х 30 (1 стр. тов.+1 стр. маг.+без препринта)</source>
        <translation>40 x 30 (1 goods ln.+1 shop ln.+no preprint)</translation>
    </message>
    <message>
        <source>свободний формат етикетки</source>
        <translation>free label format</translation>
    </message>
    <message>
        <source>Штрих-код не печатаеться</source>
        <translation>No barcode printed</translation>
    </message>
    <message>
        <source>Г6Г5Г4Г3Г2Г1Т6Т5Т4Т3Т2Т1К</source>
        <translation>G6G5G4G3G2G1P6P5P4P3P2P1K</translation>
    </message>
    <message>
        <source>о3о2о1Г6Г5Г4Г3Г2Г1Т3Т2Т1К</source>
        <translation>d3d2d1G6G5G4G3G2G1P3P2P1K</translation>
    </message>
    <message>
        <source>О2О1Т6Т5Т4Т3Т2Т1С4С3С2С1К</source>
        <translation>O2O1P6P5P4P3P2P1C4C3C2C1K</translation>
    </message>
    <message>
        <source>О2О1Т5Т4Т3Т2Т1С5С4С3С2С1К</source>
        <translation>O2O1P5P4P3P2P1C5C4C3C2C1K</translation>
    </message>
    <message>
        <source>О2О1Т4Т3Т2Т1С6С5С4С3С2С1К</source>
        <translation>O2O1P4P3P2P1C6C5C4C3C2C1K</translation>
    </message>
    <message>
        <source>О2О1Т3Т2Т1С7С6С5С4С3С2С1К</source>
        <translation>O2O1P3P2P1C7C6C5C4C3C2C1K</translation>
    </message>
    <message>
        <source>О2О1Т5Т4Т3Т2Т1В5В4В3В2В1К</source>
        <translation>O2O1P5P4P3P2P1W5W4W3W2W1K</translation>
    </message>
    <message>
        <source>О2О1Т6Т5Т4Т3Т2Т1В4В3В2В1К</source>
        <translation>O2O1P6P5P4P3P2P1W4W3W2W1K</translation>
    </message>
    <message>
        <source>О- в зависимости от ОСОБЕНОСТЕЙ ПЕЧАТИ </source>
        <translation>O- depending on the PRINT OPTIONS </translation>
    </message>
    <message>
        <source>К- контрольная сумма </source>
        <translation>K- check digit </translation>
    </message>
    <message>
        <source>В- вес и количество</source>
        <translation>W- weight and quantity</translation>
    </message>
    <message>
        <source>С- стоимость</source>
        <translation>C- cost</translation>
    </message>
    <message>
        <source>Г- груповой код</source>
        <translation>G- group code</translation>
    </message>
    <message>
        <source>Т- код товара</source>
        <translation>P- goods code</translation>
    </message>
    <message>
        <source>о - номер отдела</source>
        <translation>d - department number</translation>
    </message>
    <message>
        <source>Изменение цены</source>
        <translation>Price change</translation>
    </message>
    <message>
        <source>Изм. цены с сохран.</source>
        <translation>Price change, kept</translation>
    </message>
    <message>
        <source>Печать номера PLU</source>
        <translation>Print the PLU number</translation>
    </message>
    <message>
        <source>Печать группового кода</source>
        <translation>Print the group code</translation>
    </message>
    <message>
        <source>Печать даты упаковки</source>
        <translation>Print the packing date</translation>
    </message>
    <message>
        <source>Печать срока годности</source>
        <translation>Print the shelf life</translation>
    </message>
    <message>
        <source>Печать номера этикетки</source>
        <translation>Print the label number</translation>
    </message>
    <message>
        <source>Печать времени упаковки</source>
        <translation>Print the packing time</translation>
    </message>
</context>
<context>
    <name>SqlDialect</name>
    <message>
        <source>Unable to complete network request to host &quot;localhost&quot;.
Database file &quot;%1&quot; not found</source>
        <translation>Unable to complete network request to host &quot;localhost&quot;.
Database file &quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>Database file &quot;%1&quot; cannot be read: %2</source>
        <translation>Database file &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>The value of %1 in the server connection may not hold &quot;;&quot;</source>
        <translation>The value of %1 in the server connection may not hold &quot;;&quot;</translation>
    </message>
    <message>
        <source>База данных %1 на сервере хранит текст в кодировке %2, а программе нужна UTF8: создайте базу заново (createdb -E UTF8 -T template0).</source>
        <translation>The database %1 on the server stores text in the encoding %2, but the program needs UTF8: create the database again (createdb -E UTF8 -T template0).</translation>
    </message>
    <message>
        <source>Unknown database error</source>
        <translation>Unknown database error</translation>
    </message>
</context>
<context>
    <name>TComm32</name>
    <message>
        <source>Already have a comm file open</source>
        <translation>A comm port is already open</translation>
    </message>
    <message>
        <source>Error opening com port</source>
        <translation>Error opening com port</translation>
    </message>
    <message>
        <source>File handle is not a comm handle. </source>
        <translation>File handle is not a comm handle. </translation>
    </message>
    <message>
        <source>Wrong comm parametrs!!!</source>
        <translation>Wrong comm parameters!!!</translation>
    </message>
    <message>
        <source>Unable to create Read thread</source>
        <translation>Unable to create Read thread</translation>
    </message>
    <message>
        <source>Unable to create Write thread</source>
        <translation>Unable to create Write thread</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>Table %1: no row at position %2</source>
        <translation>Table %1: no row at position %2</translation>
    </message>
    <message>
        <source>с номером %1</source>
        <translation>with number %1</translation>
    </message>
    <message>
        <source>Строку %1 таблицы %2 тем временем изменила или удалила другая программа: это изменение не сохранено. Таблица перечитана, в ней то, что хранится в базе данных.</source>
        <translation>Row %1 of table %2 was changed or deleted by another program meanwhile: this change was not saved. The table was read again and holds what the database stores.</translation>
    </message>
    <message>
        <source>Table %1: %2 rows inserted of %3</source>
        <translation>Table %1: %2 rows inserted of %3</translation>
    </message>
</context>
<context>
    <name>TabularFile</name>
    <message>
        <source>Файл %1 %2</source>
        <translation>File %1 %2</translation>
    </message>
    <message>
        <source>не таблица dBase или повреждён: прочитать его нельзя.</source>
        <translation>is not a dBase table or is damaged: it cannot be read.</translation>
    </message>
    <message>
        <source>лист «%1», строка %2</source>
        <translation>sheet «%1», row %2</translation>
    </message>
    <message>
        <source>лист «%1», ячейка %2%3</source>
        <translation>sheet «%1», cell %2%3</translation>
    </message>
    <message>
        <source>названия полей</source>
        <translation>field names</translation>
    </message>
    <message>
        <source>запись %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>пуст: в нём нет ни одной строки.</source>
        <translation>is empty: it has no lines.</translation>
    </message>
    <message>
        <source>не текстовый и не книга Excel или dBase: прочитать его нельзя.</source>
        <translation>is neither text nor an Excel or dBase workbook: it cannot be read.</translation>
    </message>
    <message>
        <source>испорчен: кавычка, открытая в строке %1, не закрыта до конца файла.</source>
        <translation>is broken: the quote opened in line %1 is not closed before the end of the file.</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл «%1».</source>
        <translation>Cannot open file «%1».</translation>
    </message>
    <message>
        <source>слишком велик для таблицы товаров (больше %1 МБ).</source>
        <translation>is too large for the goods table (more than %1 MB).</translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл «%1».</source>
        <translation>Cannot read file «%1».</translation>
    </message>
</context>
<context>
    <name>XlsReader</name>
    <message>
        <source>Файл «%1» %2</source>
        <translation>File «%1» %2</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xls): он повреждён или защищён паролем.</source>
        <translation>cannot be read as an Excel workbook (.xls): it is damaged or protected by a password.</translation>
    </message>
    <message>
        <source>защищён паролем: прочитать его нельзя.</source>
        <translation>is protected by a password: it cannot be read.</translation>
    </message>
    <message>
        <source>— книга Excel без листов.</source>
        <translation>is an Excel workbook without sheets.</translation>
    </message>
    <message>
        <source>не читается: повреждён лист «%1».</source>
        <translation>cannot be read: sheet «%1» is damaged.</translation>
    </message>
    <message>
        <source>не читается: повреждена ячейка %1%2 листа «%3».</source>
        <translation>cannot be read: cell %1%2 of sheet «%3» is damaged.</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xls): он обрывается посередине.</source>
        <translation>cannot be read as an Excel workbook (.xls): it breaks off in the middle.</translation>
    </message>
</context>
<context>
    <name>XlsxBook</name>
    <message>
        <source>нет места для временного файла</source>
        <translation>no room for a temporary file</translation>
    </message>
    <message>
        <source>не удалось начать книгу</source>
        <translation>the workbook could not be started</translation>
    </message>
    <message>
        <source>Не удаётся записать файл «%1»: %2.</source>
        <translation>Cannot write file «%1»: %2.</translation>
    </message>
    <message>
        <source>временный файл не читается</source>
        <translation>the temporary file cannot be read</translation>
    </message>
    <message>
        <source>нет доступа к папке или нет места на диске</source>
        <translation>no access to the folder or no room on the disk</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>Файл «%1» %2</source>
        <translation>File «%1» %2</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xlsx): повреждена её часть %1.</source>
        <translation>cannot be read as an Excel workbook (.xlsx): its part %1 is damaged.</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xlsx): архив повреждён.</source>
        <translation>cannot be read as an Excel workbook (.xlsx): the archive is damaged.</translation>
    </message>
    <message>
        <source>слишком велик: часть %1 больше %2 МБ.</source>
        <translation>is too large: part %1 is larger than %2 MB.</translation>
    </message>
    <message>
        <source>не читается: на листе «%1» ячейка %2%3 лежит дальше %4-го столбца.</source>
        <translation>cannot be read: on sheet «%1» cell %2%3 lies beyond column %4.</translation>
    </message>
    <message>
        <source>слишком велик: в нём больше %1 ячеек.</source>
        <translation>is too large: it has more than %1 cells.</translation>
    </message>
    <message>
        <source>— архив, но не книга Excel (.xlsx): в нём нет листов.</source>
        <translation>is an archive but not an Excel workbook (.xlsx): it has no sheets.</translation>
    </message>
    <message>
        <source>— книга Excel без листов.</source>
        <translation>is an Excel workbook without sheets.</translation>
    </message>
</context>
<context>
    <name>tevo::AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Обмен данными с весами, печатающими этикетки: товары, сообщения, настройки печати, заголовок магазина, логотип, дата и время, текущее состояние и итоги продаж.</source>
        <translation>Data exchange with label-printing scales: goods, messages, print settings, shop header, logo, date and time, current state and sales totals.</translation>
    </message>
    <message>
        <source>Папка данных: %1</source>
        <translation>Data folder: %1</translation>
    </message>
    <message>
        <source>Версия 1.6</source>
        <translation>Version 1.6</translation>
    </message>
    <message>
        <source> (не открыта)</source>
        <translation> (not open)</translation>
    </message>
    <message>
        <source>База данных: %1</source>
        <translation>Database: %1</translation>
    </message>
</context>
<context>
    <name>tevo::AutoLoadDialog</name>
    <message>
        <source>Автоматическая загрузка товаров</source>
        <translation>Automatic goods loading</translation>
    </message>
    <message>
        <source>Файл товаров</source>
        <translation>Goods file</translation>
    </message>
    <message>
        <source>Обзор</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Периодичность проверки</source>
        <translation>Check interval</translation>
    </message>
    <message>
        <source>(сек.)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Автоматически загружать товары в выбранные весы</source>
        <translation>Load goods into the selected scales automatically</translation>
    </message>
    <message>
        <source>Включить автоматическую загрузку</source>
        <translation>Enable automatic loading</translation>
    </message>
    <message>
        <source>Затирать незаполненные товары</source>
        <translation>Clear goods not in the file</translation>
    </message>
    <message>
        <source>Только изменённые</source>
        <translation>Changed only</translation>
    </message>
    <message>
        <source>Загружать в каждые весы только те товары, которых в них ещё нет такими, как в списке</source>
        <translation>Load into each scale only the goods it does not yet hold as they are in the list</translation>
    </message>
    <message>
        <source>Выйти</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>TextFile (*.txt);;ParadoxDataBase (*.dbf);;Таблицы других программ (*.csv *.txt *.xlsx *.xls *.dbf);;Все файлы (*)</source>
        <translation>TextFile (*.txt);;ParadoxDataBase (*.dbf);;Tables of other programs (*.csv *.txt *.xlsx *.xls *.dbf);;All files (*)</translation>
    </message>
    <message>
        <source>Имя файла &quot;%1&quot; содержит знаки, которых нет в кодировке Windows-1251 (%2): такое имя нельзя сохранить в настройках автоматической загрузки. Переименуйте файл или папку либо выберите другой файл.</source>
        <translation>The file name &quot;%1&quot; holds characters that Windows-1251 does not have (%2): such a name cannot be kept in the automatic loading settings. Rename the file or folder, or choose another file.</translation>
    </message>
</context>
<context>
    <name>tevo::AutoLoader</name>
    <message>
        <source>Ошибка при доступе к файлу автозагрузки!</source>
        <translation>Error accessing the automatic loading file!</translation>
    </message>
    <message>
        <source> Он будет загружен, когда изменится.</source>
        <translation> It will be loaded when it changes.</translation>
    </message>
    <message>
        <source>В файле «%1» нет строк для загрузки.</source>
        <translation>The file &quot;%1&quot; has no rows to load.</translation>
    </message>
    <message>
        <source>Строк, которые нельзя сохранить: %1. Первая: %2</source>
        <translation>Rows that cannot be saved: %1. The first: %2</translation>
    </message>
    <message>
        <source>Файл «%1» не загружен. %2</source>
        <translation>The file &quot;%1&quot; was not loaded. %2</translation>
    </message>
    <message>
        <source>идет автоматическая загрузка в весы</source>
        <translation>automatic loading into the scales is running</translation>
    </message>
</context>
<context>
    <name>tevo::Controls</name>
    <message>
        <source>Внимание, после запятых обязательно должны идти пробелы, после тире - не должно быть пробелов</source>
        <translation>Note: a comma must be followed by a space, a dash by none</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Прекратить обмен с весами</source>
        <translation>Stop the exchange with the scales</translation>
    </message>
    <message>
        <source>Диапазон для загрузки</source>
        <translation>Range to load</translation>
    </message>
</context>
<context>
    <name>tevo::Dialogs</name>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>tevo::ExchangeHub</name>
    <message>
        <source>Выберите весы для загрузки!</source>
        <translation>Select the scales to load!</translation>
    </message>
    <message>
        <source>Выберите только ОДНИ весы!</source>
        <translation>Select only ONE scale!</translation>
    </message>
    <message>
        <source>Выберите весы для сверки!</source>
        <translation>Select the scales to check against!</translation>
    </message>
    <message>
        <source>Строка заголовка (название магазина) пуста: весы напечатают её на этикетках пустой. Загрузить настройки в весы?</source>
        <translation>The header line (shop name) is empty: the scales will print it blank on the labels. Load the settings into the scales?</translation>
    </message>
    <message>
        <source>Не удалось открыть рисунок %1: формат не распознан или файл повреждён.</source>
        <translation>Could not open the picture %1: the format is not recognised or the file is damaged.</translation>
    </message>
    <message>
        <source>Точечный рисунок (*.bmp *.BMP);;Все рисунки (*.bmp *.png *.jpg *.jpeg *.gif *.pbm *.pgm *.ppm *.xbm *.xpm)</source>
        <translation>Bitmap (*.bmp *.BMP);;All pictures (*.bmp *.png *.jpg *.jpeg *.gif *.pbm *.pgm *.ppm *.xbm *.xpm)</translation>
    </message>
</context>
<context>
    <name>tevo::GoodsTab</name>
    <message>
        <source>Текущий</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Загрузить товары в весы</source>
        <translation>Load goods into scales</translation>
    </message>
    <message>
        <source>Считать товары из весов</source>
        <translation>Read goods from scales</translation>
    </message>
</context>
<context>
    <name>tevo::GuideWindow</name>
    <message>
        <source>Руководство пользователя Tevo</source>
        <translation>Tevo user guide</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Поиск в руководстве</source>
        <translation>Search the guide</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
</context>
<context>
    <name>tevo::History</name>
    <message>
        <source>Журнал изменений знает цены с %1: о %2 он не знает.</source>
        <translation>The change journal knows prices from %1 on: it knows nothing of %2.</translation>
    </message>
    <message>
        <source>«%1» — не дата: ожидается ГГГГ-ММ-ДД или ДД.ММ.ГГГГ, можно со временем ЧЧ:ММ</source>
        <translation>&quot;%1&quot; is not a date: expected YYYY-MM-DD or DD.MM.YYYY, optionally with a time HH:MM</translation>
    </message>
    <message>
        <source>Товара с номером %1 в таблице товаров нет.</source>
        <translation>There is no goods item number %1 in the goods table.</translation>
    </message>
    <message>
        <source>Журнал изменений</source>
        <translation>Change journal</translation>
    </message>
    <message>
        <source>Когда</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Откуда</source>
        <translation>From where</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>товары</source>
        <translation>goods</translation>
    </message>
    <message>
        <source>сообщения</source>
        <translation>messages</translation>
    </message>
    <message>
        <source>Переоценка</source>
        <translation>Revaluation</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Старая цена (коп.)</source>
        <translation>Old price (kop.)</translation>
    </message>
    <message>
        <source>Новая цена (коп.)</source>
        <translation>New price (kop.)</translation>
    </message>
    <message>
        <source>Наименьшая цена</source>
        <translation>Lowest price</translation>
    </message>
    <message>
        <source>Цена (коп.)</source>
        <translation>Price (kop.)</translation>
    </message>
    <message>
        <source>Наименьшая за %1 дн. (коп.)</source>
        <translation>Lowest in %1 days (kop.)</translation>
    </message>
    <message>
        <source>Цены в весах</source>
        <translation>Prices in the scales</translation>
    </message>
    <message>
        <source>Весы</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>С</source>
        <translation>From</translation>
    </message>
    <message>
        <source>По</source>
        <translation>To</translation>
    </message>
</context>
<context>
    <name>tevo::HistoryWindow</name>
    <message>
        <source>История товара</source>
        <translation>Goods history</translation>
    </message>
    <message>
        <source>Когда</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Кто, откуда</source>
        <translation>Who, from where</translation>
    </message>
    <message>
        <source>; %1 на %2 (%3)</source>
        <translation>; %1 on %2 (%3)</translation>
    </message>
    <message>
        <source>в весы</source>
        <translation>to the scales</translation>
    </message>
    <message>
        <source>Товар № %1: изменений %2, доставок в весы %3</source>
        <translation>Goods item No. %1: changes %2, deliveries to the scales %3</translation>
    </message>
    <message>
        <source>История товара № %1</source>
        <translation>History of goods item No. %1</translation>
    </message>
</context>
<context>
    <name>tevo::ImportDialog</name>
    <message>
        <source>— не загружать —</source>
        <translation>— do not load —</translation>
    </message>
    <message>
        <source>Импорт товаров из файла</source>
        <translation>Import goods from a file</translation>
    </message>
    <message>
        <source>Импорт сообщений из файла</source>
        <translation>Import messages from a file</translation>
    </message>
    <message>
        <source>Поле таблицы</source>
        <translation>Table field</translation>
    </message>
    <message>
        <source>Столбец файла</source>
        <translation>File column</translation>
    </message>
    <message>
        <source>Цена в</source>
        <translation>Price in</translation>
    </message>
    <message>
        <source>Запомнить сопоставление столбцов для файлов</source>
        <translation>Remember the column mapping for files</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Файл:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Кодировка:</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <source>Лист:</source>
        <translation>Sheet:</translation>
    </message>
    <message>
        <source>Столбцы:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Какой столбец файла что заполняет:</source>
        <translation>Which file column fills what:</translation>
    </message>
    <message>
        <source>Первые строки, как они будут сохранены (цена — в копейках):</source>
        <translation>The first rows as they will be saved (price in kopecks):</translation>
    </message>
    <message>
        <source>Строки, которые нельзя сохранить:</source>
        <translation>Rows that cannot be saved:</translation>
    </message>
    <message>
        <source>(одна таблица)</source>
        <translation>(one table)</translation>
    </message>
    <message>
        <source>гривнах</source>
        <translation>hryvnias</translation>
    </message>
    <message>
        <source>копейках</source>
        <translation>kopecks</translation>
    </message>
    <message>
        <source>Место в файле</source>
        <translation>Place in the file</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Предупреждение: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>Будет сохранено строк: %1. Пока ничего не изменено.</source>
        <translation>Rows to be saved: %1. Nothing has been changed yet.</translation>
    </message>
    <message>
        <source>В файле нет строк для импорта.</source>
        <translation>The file has no rows to import.</translation>
    </message>
    <message>
        <source>Строк, которые нельзя сохранить: %1. Такой файл не загружается, пока они есть: исправьте файл или сопоставление столбцов.</source>
        <translation>Rows that cannot be saved: %1. Such a file is not loaded while they remain: correct the file or the column mapping.</translation>
    </message>
    <message>
        <source>как запомнено для файлов с таким именем</source>
        <translation>as remembered for files of this name</translation>
    </message>
    <message>
        <source>выбраны вручную</source>
        <translation>chosen by hand</translation>
    </message>
    <message>
        <source>найдены по строке заголовка (строка %1)</source>
        <translation>found by the header row (row %1)</translation>
    </message>
    <message>
        <source>строки заголовка нет: по порядку столбцов файлов программы</source>
        <translation>no header row: by the column order of the program&apos;s files</translation>
    </message>
    <message>
        <source>
Сопоставление столбцов не запомнено: </source>
        <translation>
The column mapping was not remembered: </translation>
    </message>
</context>
<context>
    <name>tevo::InstanceLock</name>
    <message>
        <source>Программа уже работает с базой данных %1%2. Вторая копия программы закрывается: работайте в уже открытой (она может быть свёрнута в значок у часов).</source>
        <translation>The program is already working with the database %1%2. This second copy closes: work in the one already open (it may be minimised to an icon by the clock).</translation>
    </message>
    <message>
        <source> (процесс %1)</source>
        <translation> (process %1)</translation>
    </message>
</context>
<context>
    <name>tevo::JournalWindow</name>
    <message>
        <source>Журнал изменений</source>
        <translation>Change journal</translation>
    </message>
    <message>
        <source>все</source>
        <translation>all</translation>
    </message>
    <message>
        <source>С</source>
        <translation>From</translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Весы</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>Дней для наименьшей цены</source>
        <translation>Days for the lowest price</translation>
    </message>
    <message>
        <source>Показать журнал</source>
        <translation>Show journal</translation>
    </message>
    <message>
        <source>Цена на дату «по»</source>
        <translation>Price on the &quot;to&quot; date</translation>
    </message>
    <message>
        <source>Наименьшая цена</source>
        <translation>Lowest price</translation>
    </message>
    <message>
        <source>Переоценка</source>
        <translation>Revaluation</translation>
    </message>
    <message>
        <source>Цены в весах</source>
        <translation>Prices in the scales</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить .xlsx…</source>
        <translation>Save .xlsx…</translation>
    </message>
    <message>
        <source>Записей журнала: %1</source>
        <translation>Journal entries: %1</translation>
    </message>
    <message>
        <source>Укажите номер товара.</source>
        <translation>Enter the goods number.</translation>
    </message>
    <message>
        <source>Товар № %1 на %2: без цены.</source>
        <translation>Goods item No. %1 on %2: no price.</translation>
    </message>
    <message>
        <source>Цена товара № %1 на %2: %3 коп.</source>
        <translation>Price of goods item No. %1 on %2: %3 kop.</translation>
    </message>
    <message>
        <source>Наименьшая цена за %1 дн. до %2: товаров %3</source>
        <translation>Lowest price in %1 days before %2: goods %3</translation>
    </message>
    <message>
        <source>Переоценка за период: изменений цены %1</source>
        <translation>Revaluation in the period: price changes %1</translation>
    </message>
    <message>
        <source>Выберите весы.</source>
        <translation>Select the scales.</translation>
    </message>
    <message>
        <source>Цены в весах «%1» за период: %2</source>
        <translation>Prices in the scale &quot;%1&quot; in the period: %2</translation>
    </message>
    <message>
        <source>Сохранить .xlsx</source>
        <translation>Save .xlsx</translation>
    </message>
    <message>
        <source>Сохранить CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>Книга Excel (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>tevo::LoadReceipt</name>
    <message>
        <source>Не удаётся записать отчёт автоматической загрузки «%1».</source>
        <translation>Cannot write the automatic loading report &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>tevo::MainWindow</name>
    <message>
        <source>CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Таблицы (*.csv *.txt *.xlsx *.xls *.dbf);;CSV, TXT (*.csv *.txt);;Excel (*.xlsx *.xls);;dBase (*.dbf);;Все файлы (*)</source>
        <translation>Tables (*.csv *.txt *.xlsx *.xls *.dbf);;CSV, TXT (*.csv *.txt);;Excel (*.xlsx *.xls);;dBase (*.dbf);;All files (*)</translation>
    </message>
    <message>
        <source>Импорт из %1 заменит все товары (%2) товарами из файла (%3). Продолжить?</source>
        <translation>Importing from %1 replaces all goods (%2) with the goods of the file (%3). Continue?</translation>
    </message>
    <message>
        <source>Эта операция займет до 5 минут... Нажмите &quot;Ок&quot;</source>
        <translation>This operation takes up to 5 minutes... Press &quot;OK&quot;</translation>
    </message>
    <message>
        <source>Tevo Версия 1.6</source>
        <translation>Tevo Version 1.6</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>История товара</source>
        <translation>Goods history</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.txt</source>
        <translation>Export goods to *.txt</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.dbf</source>
        <translation>Export goods to *.dbf</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.xls</source>
        <translation>Export goods to *.xls</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.xlsx</source>
        <translation>Export goods to *.xlsx</translation>
    </message>
    <message>
        <source>Импорт товаров из *.txt</source>
        <translation>Import goods from *.txt</translation>
    </message>
    <message>
        <source>Импорт товаров из *.dbf</source>
        <translation>Import goods from *.dbf</translation>
    </message>
    <message>
        <source>Импорт товаров из *.csv</source>
        <translation>Import goods from *.csv</translation>
    </message>
    <message>
        <source>Импорт сообщеий из *.csv</source>
        <translation>Import messages from *.csv</translation>
    </message>
    <message>
        <source>Импорт товаров из файла…</source>
        <translation>Import goods from a file…</translation>
    </message>
    <message>
        <source>Импорт сообщений из файла…</source>
        <translation>Import messages from a file…</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Настройка весов</source>
        <translation>Scales setup</translation>
    </message>
    <message>
        <source>Проверить данные</source>
        <translation>Check data</translation>
    </message>
    <message>
        <source>Автоматическая загрузка товаров</source>
        <translation>Automatic goods loading</translation>
    </message>
    <message>
        <source>Создать пустую таблицю сообщений</source>
        <translation>Create an empty messages table</translation>
    </message>
    <message>
        <source>Создать пуcтую таблицу товаров</source>
        <translation>Create an empty goods table</translation>
    </message>
    <message>
        <source>Просмотр пакетов</source>
        <translation>Packet log</translation>
    </message>
    <message>
        <source>Журнал изменений</source>
        <translation>Change journal</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Создание пустой таблицы занимает несколько минут и уничтожает текущую базу данных. Вы действительно хотите продолжить?</source>
        <translation>Creating an empty table takes a few minutes and destroys the current database. Do you really want to continue?</translation>
    </message>
    <message>
        <source>Файл справки не найден:
%1</source>
        <translation>Help file not found:
%1</translation>
    </message>
</context>
<context>
    <name>tevo::MessagesTab</name>
    <message>
        <source>Текущее</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Загрузить сообщения в весы</source>
        <translation>Load messages into scales</translation>
    </message>
    <message>
        <source>Считать сообщения из весов</source>
        <translation>Read messages from scales</translation>
    </message>
</context>
<context>
    <name>tevo::Operations</name>
    <message>
        <source>импорт товаров из файла</source>
        <translation>import of goods from a file</translation>
    </message>
    <message>
        <source>импорт сообщений из файла</source>
        <translation>import of messages from a file</translation>
    </message>
    <message>
        <source>создание пустой таблицы товаров</source>
        <translation>creation of an empty goods table</translation>
    </message>
    <message>
        <source>создание пустой таблицы сообщений</source>
        <translation>creation of an empty messages table</translation>
    </message>
    <message>
        <source>автоматическая загрузка товаров</source>
        <translation>automatic goods loading</translation>
    </message>
    <message>
        <source> Другая программа в это время заменяла эту же таблицу: эта дождалась конца её замены, и в таблице теперь только эти строки.</source>
        <translation> Another program was replacing the same table meanwhile: this one waited for its replacement to end, and the table now holds these rows only.</translation>
    </message>
    <message>
        <source>Из %1 загружено товаров: %2.</source>
        <translation>Goods loaded from %1: %2.</translation>
    </message>
    <message>
        <source>Таблица товаров заменена: все товары (%1) заменены товарами из %2 (%3).</source>
        <translation>The goods table was replaced: all goods (%1) were replaced with the goods of %2 (%3).</translation>
    </message>
    <message>
        <source>Товары из %1 загружены.</source>
        <translation>Goods from %1 loaded.</translation>
    </message>
    <message>
        <source>Сообщения из %1 загружены.</source>
        <translation>Messages from %1 loaded.</translation>
    </message>
    <message>
        <source>Этот формат не читается: %1</source>
        <translation>This format cannot be read: %1</translation>
    </message>
    <message>
        <source>Товары в этот формат не записываются: %1</source>
        <translation>Goods cannot be written in this format: %1</translation>
    </message>
    <message>
        <source>Товары записаны в %1.</source>
        <translation>Goods written to %1.</translation>
    </message>
    <message>
        <source>Пустая таблица успешно создана!</source>
        <translation>Empty table created successfully!</translation>
    </message>
    <message>
        <source>Пустая таблица сообщений создана: 1000 строк.</source>
        <translation>Empty messages table created: 1000 rows.</translation>
    </message>
    <message>
        <source>Файл «%1» не загружен. %2</source>
        <translation>The file &quot;%1&quot; was not loaded. %2</translation>
    </message>
    <message>
        <source>Загружено в таблицу товаров; диапазон для записи: %1</source>
        <translation>Loaded into the goods table; range to write: %1</translation>
    </message>
</context>
<context>
    <name>tevo::PacketLogWindow</name>
    <message>
        <source>Просмотр входящих пакетов</source>
        <translation>Incoming packets</translation>
    </message>
</context>
<context>
    <name>tevo::ParametersTab</name>
    <message>
        <source>Загрузить настройки в весы</source>
        <translation>Load settings into scales</translation>
    </message>
    <message>
        <source>Считать настройки из весов</source>
        <translation>Read settings from scales</translation>
    </message>
    <message>
        <source>Загрузить дату и время</source>
        <translation>Load date and time</translation>
    </message>
    <message>
        <source>Формат Этикетки</source>
        <translation>Label format</translation>
    </message>
    <message>
        <source>Заголовок (название магазина)</source>
        <translation>Header (shop name)</translation>
    </message>
    <message>
        <source>Настройка печати</source>
        <translation>Print settings</translation>
    </message>
    <message>
        <source>Логотип</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source> Штрих-код </source>
        <translation> Barcode </translation>
    </message>
    <message>
        <source>Формат</source>
        <translation>Format</translation>
    </message>
    <message>
        <source> Общие </source>
        <translation> General </translation>
    </message>
    <message>
        <source>Номер отдела</source>
        <translation>Department number</translation>
    </message>
    <message>
        <source>Сдвиг печати</source>
        <translation>Print shift</translation>
    </message>
    <message>
        <source>Вес автопечати</source>
        <translation>Auto-print weight</translation>
    </message>
    <message>
        <source>Быстрый обмен</source>
        <translation>Fast exchange</translation>
    </message>
    <message>
        <source>Весы опрашиваются сразу после ответа, без паузы таймера</source>
        <translation>The scales are polled right after they answer, without the timer&apos;s pause</translation>
    </message>
    <message>
        <source>Только изменённые</source>
        <translation>Changed only</translation>
    </message>
    <message>
        <source>Каждым весам записываются только те товары и сообщения, которых в них нет в нынешнем виде</source>
        <translation>Each scale is sent only the goods and messages it does not hold as they are now</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>Язык окна и tevo-cli; меняется при следующем запуске программы</source>
        <translation>The language of the window and tevo-cli; changes at the next start of the program</translation>
    </message>
    <message>
        <source>Язык (после перезапуска)</source>
        <translation>Language (after a restart)</translation>
    </message>
    <message>
        <source>Поддержка</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Папка данных: %1</source>
        <translation>Data folder: %1</translation>
    </message>
    <message>
        <source>Руководство: меню «Помощь» (%1)</source>
        <translation>Guide: the &quot;Help&quot; menu (%1)</translation>
    </message>
    <message>
        <source>Текущее состояние весов</source>
        <translation>Current scale state</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Вес товара</source>
        <translation>Goods weight</translation>
    </message>
    <message>
        <source>Цена товара (коп/кг)</source>
        <translation>Goods price (kop/kg)</translation>
    </message>
    <message>
        <source>Стоимость товара (коп)</source>
        <translation>Goods cost (kop)</translation>
    </message>
    <message>
        <source>Номер выбранного товара</source>
        <translation>Selected goods number</translation>
    </message>
    <message>
        <source>Общий итог продаж по всем товарам</source>
        <translation>Sales totals over all goods</translation>
    </message>
    <message>
        <source>Общий вес</source>
        <translation>Total weight</translation>
    </message>
    <message>
        <source>Общая сумма</source>
        <translation>Total sum</translation>
    </message>
    <message>
        <source>Кол-во продаж</source>
        <translation>Number of sales</translation>
    </message>
    <message>
        <source>Общий вес по всем PLU</source>
        <translation>Total weight over all PLU</translation>
    </message>
    <message>
        <source>Сумма по всем PLU</source>
        <translation>Sum over all PLU</translation>
    </message>
    <message>
        <source>Кол-во продаж по всем PLU</source>
        <translation>Number of sales over all PLU</translation>
    </message>
    <message>
        <source>Счетчик пробега</source>
        <translation>Run counter</translation>
    </message>
    <message>
        <source>Счетчик этикеток</source>
        <translation>Label counter</translation>
    </message>
    <message>
        <source>Кол-во свободных PLU</source>
        <translation>Free PLU</translation>
    </message>
    <message>
        <source>Кол-во свободных сообщений</source>
        <translation>Free messages</translation>
    </message>
    <message>
        <source>Выберите формат этикетки в списке &quot;Формат Этикетки&quot;.</source>
        <translation>Choose a label format in the &quot;Label format&quot; list.</translation>
    </message>
</context>
<context>
    <name>tevo::PriceChart</name>
    <message>
        <source>Цена не менялась и не задана</source>
        <translation>The price has not changed and is not set</translation>
    </message>
</context>
<context>
    <name>tevo::ScalesDialog</name>
    <message>
        <source>В списке может быть не больше %1 весов.</source>
        <translation>The list may hold no more than %1 scales.</translation>
    </message>
    <message>
        <source>Недопустимое имя последовательного порта &quot;%1&quot;. Можно указать только COM0 … COM9.</source>
        <translation>Invalid serial port name &quot;%1&quot;. Only COM0 … COM9 may be given.</translation>
    </message>
    <message>
        <source>Строка %1: порт «%2» недопустим. Номер порта TCP — целое число от 1 до 65535.</source>
        <translation>Row %1: the port &quot;%2&quot; is invalid. A TCP port number is a whole number from 1 to 65535.</translation>
    </message>
    <message>
        <source>Настройка весов</source>
        <translation>Scales setup</translation>
    </message>
    <message>
        <source>Проверить связь</source>
        <translation>Check connection</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Весы</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>Ответили</source>
        <translation>Answered</translation>
    </message>
    <message>
        <source>Записаны полностью</source>
        <translation>Fully written</translation>
    </message>
    <message>
        <source>Отстают</source>
        <translation>Behind</translation>
    </message>
    <message>
        <source>Забыть, что в весах</source>
        <translation>Forget what the scale holds</translation>
    </message>
    <message>
        <source>Считать, что в весах текущей строки нет ни товаров, ни сообщений: «Только изменённые» запишет им всё</source>
        <translation>Take it that the scale of the current row holds no goods and no messages: &quot;Changed only&quot; will write it everything</translation>
    </message>
    <message>
        <source>Забыть, какие товары и сообщения записаны в весы «%1» (%2)? Следующая запись «Только изменённые» передаст им всё.</source>
        <translation>Forget which goods and messages were written to the scale &quot;%1&quot; (%2)? The next &quot;Changed only&quot; write will send it everything.</translation>
    </message>
    <message>
        <source>Первая запись</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>Предыдущая запись</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>Следующая запись</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Последняя запись</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Вставить запись</source>
        <translation>Insert record</translation>
    </message>
    <message>
        <source>Удалить запись</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Изменить запись</source>
        <translation>Edit record</translation>
    </message>
    <message>
        <source>Сохранить изменения</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Отменить изменения</source>
        <translation>Cancel changes</translation>
    </message>
    <message>
        <source>Обновить данные</source>
        <translation>Refresh data</translation>
    </message>
</context>
<context>
    <name>tevo::Startup</name>
    <message>
        <source>Использование: tevo [ПАРАМЕТР]
Окно Tevo: товары, сообщения и весы магазина и обмен с весами, печатающими этикетки,
по сети (TCP) и по COM-порту.

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти

База данных и файлы настроек лежат в папке данных: у каждого пользователя своя,
~/.local/share/Tevo (или папка самой программы, если в неё можно писать).
Тот же обмен без окна: tevo-cli --help. Руководство: меню «Помощь» или
/usr/share/tevo/help/index.html.
</source>
        <translation>Usage: tevo [OPTION]
The Tevo window: a shop&apos;s goods, messages and scales, and the exchange with label-printing
scales over the network (TCP) and a COM port.

  -h, --help     show this help and exit
  -v, --version  show the version and exit

The database and the settings files live in the data folder, one for each user:
~/.local/share/Tevo (or the program&apos;s own folder, when it may be written to).
The same exchange without the window: tevo-cli --help. Guide: the &quot;Help&quot; menu or
/usr/share/tevo/help/index.html.
</translation>
    </message>
</context>
<context>
    <name>tevo::TableGrid</name>
    <message>
        <source>удаление записи</source>
        <translation>deletion of a record</translation>
    </message>
</context>
<context>
    <name>tevo::TableModel</name>
    <message>
        <source>Столбец «%1»: %2. Значение не сохранено: исправьте его или нажмите Esc.</source>
        <translation>Column &quot;%1&quot;: %2. The value was not saved: correct it or press Esc.</translation>
    </message>
</context>
<context>
    <name>tevo::TabularAutoLoad</name>
    <message>
        <source>В файле «%1» нет строк для загрузки.</source>
        <translation>The file &quot;%1&quot; has no rows to load.</translation>
    </message>
    <message>
        <source>Строк, которые нельзя сохранить: %1. Первая: %2</source>
        <translation>Rows that cannot be saved: %1. The first: %2</translation>
    </message>
</context>
<context>
    <name>tevo::TabularImport</name>
    <message>
        <source>В файле «%1» нет листа «%2»; листы: %3.</source>
        <translation>The file &quot;%1&quot; has no sheet &quot;%2&quot;; sheets: %3.</translation>
    </message>
    <message>
        <source>нет ни одного</source>
        <translation>none</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>tevo::TransferTab</name>
    <message>
        <source>Сверить с весами</source>
        <translation>Check against scales</translation>
    </message>
    <message>
        <source>Считать диапазон из выбранных весов и сравнить с базой, ничего не меняя</source>
        <translation>Read the range from the selected scales and compare it with the database, changing nothing</translation>
    </message>
</context>
<context>
    <name>tevo::TrayIcon</name>
    <message>
        <source>Tevo версия 1.6</source>
        <translation>Tevo version 1.6</translation>
    </message>
    <message>
        <source>Програма</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Настройка весов</source>
        <translation>Scales setup</translation>
    </message>
    <message>
        <source>Автозагрузка</source>
        <translation>Automatic loading</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>tevo::VerifyWindow</name>
    <message>
        <source>Весы</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>В базе</source>
        <translation>In the database</translation>
    </message>
    <message>
        <source>В весах</source>
        <translation>In the scale</translation>
    </message>
    <message>
        <source>Сверка с весами</source>
        <translation>Check against scales</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить расхождения</source>
        <translation>Save the differences</translation>
    </message>
    <message>
        <source>Файл %1 не записан: %2</source>
        <translation>The file %1 was not written: %2</translation>
    </message>
</context>
<context>
    <name>tevo::cli::Arguments</name>
    <message>
        <source>Использование: tevo-cli КОМАНДА [ПАРАМЕТРЫ]
Обмен с весами и файлами без окна Tevo, на той же базе данных.

Команды:
</source>
        <translation>Usage: tevo-cli COMMAND [OPTIONS]
Exchange with the scales and files without the Tevo window, on the same database.

Commands:
</translation>
    </message>
    <message>
        <source>
Общие параметры:
</source>
        <translation>
Common options:
</translation>
    </message>
    <message>
        <source>
Статус выхода: 0 — все весы сделали всё; 3 — какие-то весы отказались или не ответили;
2 — неверный ввод (диапазон, файл, весы); 1 — другая ошибка (база данных, файловая система).

tevo-cli КОМАНДА --help — справка по команде.
</source>
        <translation>
Exit status: 0 — every scale did everything; 3 — some scales refused or did not answer;
2 — bad input (range, file, scales); 1 — another error (database, file system).

tevo-cli COMMAND --help — help on a command.
</translation>
    </message>
    <message>
        <source>Использование: %1
%2.
</source>
        <translation>Usage: %1
%2.
</translation>
    </message>
    <message>
        <source>
Параметры:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>у параметра %1 нет значения</source>
        <translation>the option %1 has no value</translation>
    </message>
    <message>
        <source>неизвестная команда «%1» (список команд: tevo-cli --help)</source>
        <translation>unknown command &quot;%1&quot; (list of commands: tevo-cli --help)</translation>
    </message>
    <message>
        <source>параметр %1 пишется без значения</source>
        <translation>the option %1 takes no value</translation>
    </message>
    <message>
        <source>--timeout %1: нужно число секунд от 0 до 86400</source>
        <translation>--timeout %1: a number of seconds from 0 to 86400 is needed</translation>
    </message>
    <message>
        <source>у команды %1 нет параметра %2 (tevo-cli %1 --help)</source>
        <translation>the command %1 has no option %2 (tevo-cli %1 --help)</translation>
    </message>
    <message>
        <source>неизвестный параметр %1 (tevo-cli --help)</source>
        <translation>unknown option %1 (tevo-cli --help)</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>the option %1 is given twice</translation>
    </message>
    <message>
        <source>не указана команда (список команд: tevo-cli --help)</source>
        <translation>no command given (list of commands: tevo-cli --help)</translation>
    </message>
    <message>
        <source>команде %1 нужно: %2 (tevo-cli %1 --help)</source>
        <translation>the command %1 needs: %2 (tevo-cli %1 --help)</translation>
    </message>
    <message>
        <source>ничего, кроме параметров</source>
        <translation>nothing but options</translation>
    </message>
    <message>
        <source>%1 %2: можно %3</source>
        <translation>%1 %2: allowed are %3</translation>
    </message>
    <message>
        <source>команде %1 нужен параметр %2 %3</source>
        <translation>the command %1 needs the option %2 %3</translation>
    </message>
</context>
<context>
    <name>tevo::cli::Help</name>
    <message>
        <source>номера, как в поле «Диапазон для загрузки»: &quot;1-5, 7-8&quot;</source>
        <translation>numbers, as in the &quot;Range to load&quot; field: &quot;1-5, 7-8&quot;</translation>
    </message>
    <message>
        <source>весы через запятую: номер строки списка весов или название (по умолчанию — отмеченные «Исп.»)</source>
        <translation>scales separated by commas: a row number of the scales list or a name (default: those ticked &quot;Use&quot;)</translation>
    </message>
    <message>
        <source>одни весы: номер строки списка весов или название</source>
        <translation>one scale: a row number of the scales list or a name</translation>
    </message>
    <message>
        <source>только изменённые: каждым весам — лишь те записи, которых в них нет в нынешнем виде</source>
        <translation>changed only: each scale gets only the records it does not hold as they are now</translation>
    </message>
    <message>
        <source>список весов</source>
        <translation>list the scales</translation>
    </message>
    <message>
        <source>Показывает таблицу весов: номер строки, «Исп.», «Вкл.», название, IP/COM, порт или скорость, группы.</source>
        <translation>Shows the scales table: row number, &quot;Use&quot;, &quot;On&quot;, name, IP/COM, port or speed, groups.</translation>
    </message>
    <message>
        <source>проверка связи (как «Проверить связь»)</source>
        <translation>check the connection (as &quot;Check connection&quot;)</translation>
    </message>
    <message>
        <source>Опрашивает все весы списка. Ответившие отмечаются «Вкл.», у всех весов снимается «Исп.», как после кнопки «Проверить связь».
Статус 3, если ответили не все весы.</source>
        <translation>Polls every scale of the list. Those that answer are ticked &quot;On&quot;, and &quot;Use&quot; is cleared on all scales, as after the &quot;Check connection&quot; button.
Status 3 when not all scales answered.</translation>
    </message>
    <message>
        <source>записать товары в весы</source>
        <translation>write goods to the scales</translation>
    </message>
    <message>
        <source>Без --range записываются все строки таблицы товаров.</source>
        <translation>Without --range every row of the goods table is written.</translation>
    </message>
    <message>
        <source>считать товары из одних весов</source>
        <translation>read goods from one scale</translation>
    </message>
    <message>
        <source>Номера, которых нет в весах, пропускаются (в отчёте: «нет в весах»); это не ошибка.</source>
        <translation>Numbers the scale does not have are skipped (in the report: &quot;not in the scale&quot;); this is not an error.</translation>
    </message>
    <message>
        <source>записать сообщения в весы</source>
        <translation>write messages to the scales</translation>
    </message>
    <message>
        <source>Без --range записываются все строки таблицы сообщений.</source>
        <translation>Without --range every row of the messages table is written.</translation>
    </message>
    <message>
        <source>считать сообщения из одних весов</source>
        <translation>read messages from one scale</translation>
    </message>
    <message>
        <source>сверить товары или сообщения с весами (как «Сверить с весами»)</source>
        <translation>check goods or messages against the scales (as &quot;Check against scales&quot;)</translation>
    </message>
    <message>
        <source>Считывает диапазон из каждых весов и сравнивает с базой поле за полем; таблицы не меняются. Выводит расхождения: номер, что с ним, поле, значение в базе и в весах.
Статус 3, если какие-то весы расходятся с базой или ответили не на всё.</source>
        <translation>Reads the range from each scale and compares it with the database field by field; the tables do not change. Prints the differences: number, what is wrong with it, field, value in the database and in the scale.
Status 3 when some scales differ from the database or did not answer everything.</translation>
    </message>
    <message>
        <source>дата и время компьютера в весы</source>
        <translation>the computer&apos;s date and time to the scales</translation>
    </message>
    <message>
        <source>файл настроек (как его пишет read-settings --to)</source>
        <translation>settings file (as read-settings --to writes it)</translation>
    </message>
    <message>
        <source>настройки и заголовок магазина в весы</source>
        <translation>settings and shop header to the scales</translation>
    </message>
    <message>
        <source>Передаёт настройки печати и заголовок магазина, как кнопка «Загрузить настройки в весы». Логотип из файла здесь не передаётся: для него write-logo --image FILE.</source>
        <translation>Sends the print settings and the shop header, as the &quot;Load settings into scales&quot; button does. The file&apos;s logo is not sent here: use write-logo --image FILE for it.</translation>
    </message>
    <message>
        <source>записать файл настроек (без --to он выводится на стандартный вывод)</source>
        <translation>write the settings file (without --to it goes to standard output)</translation>
    </message>
    <message>
        <source>настройки, заголовок и логотип из одних весов</source>
        <translation>settings, header and logo from one scale</translation>
    </message>
    <message>
        <source>Файл пишется, только если весы передали всё: настройки, заголовок и логотип.</source>
        <translation>The file is written only when the scale sent everything: settings, header and logo.</translation>
    </message>
    <message>
        <source>рисунок (BMP, PNG, …) или файл настроек с разделом [Logo]</source>
        <translation>a picture (BMP, PNG, …) or a settings file with a [Logo] section</translation>
    </message>
    <message>
        <source>логотип в одни весы</source>
        <translation>the logo to one scale</translation>
    </message>
    <message>
        <source>Рисунок уменьшается до 64 × 64 точек, как на вкладке «Параметры»: белое остаётся пустым, любой другой цвет печатается.</source>
        <translation>The picture is scaled down to 64 × 64 dots, as on the &quot;Parameters&quot; tab: white stays blank, any other colour is printed.</translation>
    </message>
    <message>
        <source>текущее состояние весов</source>
        <translation>current state of the scale</translation>
    </message>
    <message>
        <source>общий итог продаж</source>
        <translation>sales totals</translation>
    </message>
    <message>
        <source>какой столбец файла что заполняет: &quot;PLU=Код,TNAME1=Наименование,PRICE=Цена:грн&quot; (goods, messages)</source>
        <translation>which file column fills what: &quot;PLU=Code,TNAME1=Name,PRICE=Price:грн&quot; (goods, messages)</translation>
    </message>
    <message>
        <source>лист книги Excel (goods, messages)</source>
        <translation>the Excel workbook sheet (goods, messages)</translation>
    </message>
    <message>
        <source>кодировка текстового файла: utf-8, cp1251, cp866, utf-16 (goods, messages)</source>
        <translation>encoding of a text file: utf-8, cp1251, cp866, utf-16 (goods, messages)</translation>
    </message>
    <message>
        <source>только показать, что будет сохранено, и строки с ошибками; ничего не менять</source>
        <translation>only show what would be saved and the rows with errors; change nothing</translation>
    </message>
    <message>
        <source>импорт товаров (txt, dbf, goods-csv, goods) или сообщений (messages-csv, messages)</source>
        <translation>import goods (txt, dbf, goods-csv, goods) or messages (messages-csv, messages)</translation>
    </message>
    <message>
        <source>Как команды меню «Файл»: txt и goods-csv меняют названные строки, dbf заменяет всю таблицу товаров, messages-csv меняет строки сообщений.
goods и messages — как окно «Импорт товаров из файла…»: CSV или TXT (разделитель и кодировка находятся сами), Excel (.xlsx, .xls) или dBase; столбцы сопоставляются по заголовку, по --map или по сопоставлению, запомненному окном для такого имени файла. Цена — в гривнах, если заголовок или --map (:коп) не говорит о копейках. Файл, в котором есть хоть одна строка, которую нельзя сохранить, не меняет ничего (статус 2).</source>
        <translation>As the commands of the &quot;File&quot; menu: txt and goods-csv change the rows they name, dbf replaces the whole goods table, messages-csv changes rows of messages.
goods and messages — as the &quot;Import goods from a file…&quot; window: CSV or TXT (the separator and encoding are found by themselves), Excel (.xlsx, .xls) or dBase; the columns are mapped by the header, by --map or by the mapping the window remembered for such a file name. The price is in hryvnias unless the header or --map (:коп) says kopecks. A file with even one row that cannot be saved changes nothing (status 2).</translation>
    </message>
    <message>
        <source>экспорт товаров в txt, dbf, xls или xlsx</source>
        <translation>export goods to txt, dbf, xls or xlsx</translation>
    </message>
    <message>
        <source>Как в меню «Файл»: к имени без «.txt» («.dbf», «.xls», «.xlsx») расширение добавляется.</source>
        <translation>As in the &quot;File&quot; menu: a name without &quot;.txt&quot; (&quot;.dbf&quot;, &quot;.xls&quot;, &quot;.xlsx&quot;) gets the extension added.</translation>
    </message>
    <message>
        <source>пустая таблица товаров (4000 строк) или сообщений (1000 строк)</source>
        <translation>an empty goods table (4000 rows) or messages table (1000 rows)</translation>
    </message>
    <message>
        <source>Как «Создать пустую таблицу товаров» и «… сообщений», без вопроса.</source>
        <translation>As &quot;Create an empty goods table&quot; and &quot;… messages table&quot;, without asking.</translation>
    </message>
    <message>
        <source>проверка данных таблицы товаров</source>
        <translation>check the data of the goods table</translation>
    </message>
    <message>
        <source>Как «Проверить данные». Статус 2, если найдена строка с ошибками.</source>
        <translation>As &quot;Check data&quot;. Status 2 when a row with errors is found.</translation>
    </message>
    <message>
        <source>сначала очистить таблицу товаров и записать все 4000 номеров («Затирать незаполненные товары»)</source>
        <translation>first clear the goods table and write all 4000 numbers (&quot;Clear goods not in the file&quot;)</translation>
    </message>
    <message>
        <source>автоматическая загрузка файла товаров и запись в весы</source>
        <translation>automatic loading of a goods file and writing to the scales</translation>
    </message>
    <message>
        <source>Один раз делает то же, что автоматическая загрузка: отмечает «Исп.» те весы, что ответили при последней проверке связи, загружает файл товаров в таблицу и записывает загруженные номера в эти весы. Файл AutoLoad.ini не меняется.
Файл — текстовый файл товаров или таблица другой программы (CSV, TXT, Excel, dBase), столбцы которой сопоставлены по сопоставлению, запомненному для такого имени файла.</source>
        <translation>Does once what automatic loading does: ticks &quot;Use&quot; on the scales that answered the last connection check, loads the goods file into the table and writes the loaded numbers to those scales. The file AutoLoad.ini does not change.
The file is a goods text file or a table of another program (CSV, TXT, Excel, dBase) whose columns are mapped by the mapping remembered for such a file name.</translation>
    </message>
    <message>
        <source>номер товара (сообщения)</source>
        <translation>goods (message) number</translation>
    </message>
    <message>
        <source>дата: ГГГГ-ММ-ДД или ДД.ММ.ГГГГ, можно со временем ЧЧ:ММ (по умолчанию — сейчас)</source>
        <translation>date: YYYY-MM-DD or DD.MM.YYYY, optionally with a time HH:MM (default: now)</translation>
    </message>
    <message>
        <source>начало периода (с начала этого дня)</source>
        <translation>start of the period (from the start of that day)</translation>
    </message>
    <message>
        <source>конец периода (до конца этого дня; по умолчанию — сейчас)</source>
        <translation>end of the period (to the end of that day; default: now)</translation>
    </message>
    <message>
        <source>lowest: за сколько дней (по умолчанию 30); keep: сколько дней хранить журнал</source>
        <translation>lowest: over how many days (default 30); keep: how many days to keep the journal</translation>
    </message>
    <message>
        <source>весы: номер строки списка весов или название</source>
        <translation>scale: a row number of the scales list or a name</translation>
    </message>
    <message>
        <source>journal: правка, импорт, автозагрузка, чтение из весов, пустая таблица</source>
        <translation>journal: правка, импорт, автозагрузка, чтение из весов, пустая таблица (the source names are written so)</translation>
    </message>
    <message>
        <source>сохранить ответ в книгу Excel</source>
        <translation>save the answer to an Excel workbook</translation>
    </message>
    <message>
        <source>сохранить ответ в CSV (через «;»)</source>
        <translation>save the answer to CSV (separated by &quot;;&quot;)</translation>
    </message>
    <message>
        <source>история цен и того, что получили весы</source>
        <translation>history of prices and of what the scales received</translation>
    </message>
    <message>
        <source>goods и messages --number N: изменения записи и её доставки в весы по времени.
price --number N --date D: цена товара на дату.
lowest --date D [--days 30] [--number N]: наименьшая цена за дни перед датой (для ценника скидки).
revaluations --from D --to D: переоценка за период (номер, наименование, старая и новая цена, когда, источник).
printed --scale S --from D --to D: какие цены были в весах за период.
journal [--from --to --number --source --scale]: записи журнала изменений.
keep [--days N]: сколько дней хранится журнал (по умолчанию 1096).</source>
        <translation>goods and messages --number N: the changes of a record and its deliveries to the scales in time order.
price --number N --date D: the price of a goods item on a date.
lowest --date D [--days 30] [--number N]: the lowest price in the days before a date (for a discount price tag).
revaluations --from D --to D: the revaluation in a period (number, name, old and new price, when, source).
printed --scale S --from D --to D: which prices the scale held in a period.
journal [--from --to --number --source --scale]: entries of the change journal.
keep [--days N]: how many days the journal is kept (default 1096).</translation>
    </message>
    <message>
        <source>файл базы данных (по умолчанию TevoDataBase.gdb в папке данных программы)</source>
        <translation>database file (default: TevoDataBase.gdb in the program&apos;s data folder)</translation>
    </message>
    <message>
        <source>весы, молчащие столько секунд, выбывают из обмена (по умолчанию 30; 0 — ждать без конца)</source>
        <translation>scales silent for this many seconds leave the exchange (default 30; 0: wait forever)</translation>
    </message>
    <message>
        <source>быстрый обмен: ответившие весы опрашиваются сразу</source>
        <translation>fast exchange: scales that answered are polled at once</translation>
    </message>
    <message>
        <source>отчёт в виде JSON на стандартный вывод</source>
        <translation>the report as JSON on standard output</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program&apos;s version</translation>
    </message>
</context>
<context>
    <name>tevo::cli::Runner</name>
    <message>
        <source>неизвестная команда «%1»</source>
        <translation>unknown command &quot;%1&quot;</translation>
    </message>
    <message>
        <source>нет файла базы данных %1</source>
        <translation>no database file %1</translation>
    </message>
    <message>
        <source>--fast: быстрого обмена в этой сборке ещё нет</source>
        <translation>--fast: this build has no fast exchange yet</translation>
    </message>
    <message>
        <source>в списке весов «%1» пустое место</source>
        <translation>the scales list &quot;%1&quot; has an empty item</translation>
    </message>
    <message>
        <source>весов № %1 нет: в списке весов %2 строк</source>
        <translation>there is no scale No. %1: the scales list has %2 rows</translation>
    </message>
    <message>
        <source>весов «%1» нет в списке весов (есть: %2)</source>
        <translation>there is no scale &quot;%1&quot; in the scales list (there are: %2)</translation>
    </message>
    <message>
        <source>никаких</source>
        <translation>none</translation>
    </message>
    <message>
        <source>весы «%1» — это строки %2 списка весов: укажите номер строки</source>
        <translation>the scale &quot;%1&quot; is rows %2 of the scales list: give the row number</translation>
    </message>
    <message>
        <source>прервано: обмен прекращён</source>
        <translation>interrupted: the exchange was stopped</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Ответили</source>
        <translation>Answered</translation>
    </message>
    <message>
        <source>Записаны полностью</source>
        <translation>Fully written</translation>
    </message>
    <message>
        <source>Отстают</source>
        <translation>Behind</translation>
    </message>
    <message>
        <source>параметр %1 — для import goods и import messages</source>
        <translation>the option %1 is for import goods and import messages</translation>
    </message>
    <message>
        <source>отвечает</source>
        <translation>answers</translation>
    </message>
    <message>
        <source>не отвечает</source>
        <translation>does not answer</translation>
    </message>
    <message>
        <source>таблица товаров пуста</source>
        <translation>the goods table is empty</translation>
    </message>
    <message>
        <source>таблица сообщений пуста</source>
        <translation>the messages table is empty</translation>
    </message>
    <message>
        <source>, %1: в базе «%2», в весах «%3»</source>
        <translation>, %1: in the database &quot;%2&quot;, in the scale &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Настройки записаны в %1.</source>
        <translation>Settings written to %1.</translation>
    </message>
    <message>
        <source>%1: это не рисунок и не файл настроек с разделом [Logo]</source>
        <translation>%1: this is neither a picture nor a settings file with a [Logo] section</translation>
    </message>
    <message>
        <source>Счетчик пробега</source>
        <translation>Run counter</translation>
    </message>
    <message>
        <source>Счетчик этикеток</source>
        <translation>Label counter</translation>
    </message>
    <message>
        <source>Общая сумма</source>
        <translation>Total sum</translation>
    </message>
    <message>
        <source>Кол-во продаж</source>
        <translation>Number of sales</translation>
    </message>
    <message>
        <source>Общий вес</source>
        <translation>Total weight</translation>
    </message>
    <message>
        <source>Сумма по всем PLU</source>
        <translation>Sum over all PLU</translation>
    </message>
    <message>
        <source>Кол-во продаж по всем PLU</source>
        <translation>Number of sales over all PLU</translation>
    </message>
    <message>
        <source>Общий вес по всем PLU</source>
        <translation>Total weight over all PLU</translation>
    </message>
    <message>
        <source>Кол-во свободных PLU</source>
        <translation>Free PLU</translation>
    </message>
    <message>
        <source>Кол-во свободных сообщений</source>
        <translation>Free messages</translation>
    </message>
    <message>
        <source>Вес товара: %1</source>
        <translation>Goods weight: %1</translation>
    </message>
    <message>
        <source>Цена товара (коп/кг): %1</source>
        <translation>Goods price (kop/kg): %1</translation>
    </message>
    <message>
        <source>Стоимость товара (коп): %1</source>
        <translation>Goods cost (kop): %1</translation>
    </message>
    <message>
        <source>Номер выбранного товара: %1</source>
        <translation>Selected goods number: %1</translation>
    </message>
    <message>
        <source>Не выбраны ни одни весы! При последней проверке связи не ответили ни одни весы; товары загружены только в таблицу.</source>
        <translation>No scales selected! No scale answered the last connection check; the goods were loaded into the table only.</translation>
    </message>
    <message>
        <source>--encoding %1: неизвестная кодировка (можно: %2)</source>
        <translation>--encoding %1: unknown encoding (allowed: %2)</translation>
    </message>
    <message>
        <source>Файл «%1»%2%3; сопоставление столбцов: %4</source>
        <translation>File &quot;%1&quot;%2%3; column mapping: %4</translation>
    </message>
    <message>
        <source>, лист «%1»</source>
        <translation>, sheet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>, кодировка %1</source>
        <translation>, encoding %1</translation>
    </message>
    <message>
        <source>  … всего строк для сохранения: %1</source>
        <translation>  … rows to save in all: %1</translation>
    </message>
    <message>
        <source>Предупреждение: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>Строки, которые нельзя сохранить (%1):</source>
        <translation>Rows that cannot be saved (%1):</translation>
    </message>
    <message>
        <source>Пробный прогон: таблица не изменена; будет сохранено строк: %1.</source>
        <translation>Dry run: the table was not changed; rows to be saved: %1.</translation>
    </message>
    <message>
        <source>Пробный прогон: таблица не изменена; такой файл не будет сохранён.</source>
        <translation>Dry run: the table was not changed; such a file would not be saved.</translation>
    </message>
    <message>
        <source>Импорт не выполнен, таблица не изменена: %1</source>
        <translation>Import not done, the table was not changed: %1</translation>
    </message>
    <message>
        <source>в файле «%1» нет строк для импорта.</source>
        <translation>the file &quot;%1&quot; has no rows to import.</translation>
    </message>
    <message>
        <source>строк, которые нельзя сохранить, %1.</source>
        <translation>rows that cannot be saved: %1.</translation>
    </message>
    <message>
        <source>history %1: нужен %2</source>
        <translation>history %1: %2 is needed</translation>
    </message>
    <message>
        <source>%1: «%2» — не число больше нуля</source>
        <translation>%1: &quot;%2&quot; is not a number greater than zero</translation>
    </message>
    <message>
        <source>Журнал изменений хранится %1 дн.; в нём записей: %2.</source>
        <translation>The change journal is kept %1 days; it holds %2 entries.</translation>
    </message>
    <message>
        <source>Товар %1 на %2: без цены.</source>
        <translation>Goods item %1 on %2: no price.</translation>
    </message>
    <message>
        <source>Цена товара %1 на %2: %3 коп.</source>
        <translation>Price of goods item %1 on %2: %3 kop.</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Когда</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Кто, откуда</source>
        <translation>Who, from where</translation>
    </message>
    <message>
        <source>в весы</source>
        <translation>to the scales</translation>
    </message>
    <message>
        <source>history printed: нужен --scale</source>
        <translation>history printed: --scale is needed</translation>
    </message>
    <message>
        <source>--source: «%1» — нет такого источника</source>
        <translation>--source: &quot;%1&quot; is no such source</translation>
    </message>
</context>
</TS>
