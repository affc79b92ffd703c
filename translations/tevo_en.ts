<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
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
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
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
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
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
</TS>
