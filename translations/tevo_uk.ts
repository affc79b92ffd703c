<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>AutoLoad</name>
    <message>
        <source>Файл не загружен: таблица товаров и весы не изменены.</source>
        <translation>Файл не завантажено: таблиця товарів і ваги не змінені.</translation>
    </message>
</context>
<context>
    <name>ChangeJournal</name>
    <message>
        <source>правка</source>
        <translation>правка</translation>
    </message>
    <message>
        <source>импорт</source>
        <translation>імпорт</translation>
    </message>
    <message>
        <source>автозагрузка</source>
        <translation>автозавантаження</translation>
    </message>
    <message>
        <source>чтение из весов</source>
        <translation>читання з ваг</translation>
    </message>
    <message>
        <source>пустая таблица</source>
        <translation>порожня таблиця</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>Текст сообщения</source>
        <translation>Текст повідомлення</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов «%1» нет знака «=»: пишите ПОЛЕ=Заголовок.</source>
        <translation>У зіставленні стовпців «%1» немає знака «=»: пишіть ПОЛЕ=Заголовок.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов неизвестное поле «%1»; поля: %2.</source>
        <translation>У зіставленні стовпців невідоме поле «%1»; поля: %2.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов поле %1 названо дважды.</source>
        <translation>У зіставленні стовпців поле %1 назване двічі.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов неизвестная единица «%1»: пишите :грн или :коп.</source>
        <translation>У зіставленні стовпців невідома одиниця «%1»: пишіть :грн або :коп.</translation>
    </message>
    <message>
        <source>В сопоставлении столбцов у поля %1 не назван столбец.</source>
        <translation>У зіставленні стовпців для поля %1 не названо стовпець.</translation>
    </message>
    <message>
        <source>в файле нет столбца «%1» (для поля %2)</source>
        <translation>у файлі немає стовпця «%1» (для поля %2)</translation>
    </message>
</context>
<context>
    <name>ColumnTitles</name>
    <message>
        <source>№ PLU</source>
        <translation>№ PLU</translation>
    </message>
    <message>
        <source>Название товара 1</source>
        <translation>Назва товару 1</translation>
    </message>
    <message>
        <source>Название товара 2</source>
        <translation>Назва товару 2</translation>
    </message>
    <message>
        <source>Цена (коп.)</source>
        <translation>Ціна (коп.)</translation>
    </message>
    <message>
        <source>Срок годности</source>
        <translation>Термін придатності</translation>
    </message>
    <message>
        <source>Тара</source>
        <translation>Тара</translation>
    </message>
    <message>
        <source>Код товара</source>
        <translation>Код товару</translation>
    </message>
    <message>
        <source>Групповой код</source>
        <translation>Груповий код</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Логотип (PL/US)</source>
        <translation>Логотип (PL/US)</translation>
    </message>
    <message>
        <source>Последнее стирание</source>
        <translation>Останнє стирання</translation>
    </message>
    <message>
        <source>Общая сумма</source>
        <translation>Загальна сума</translation>
    </message>
    <message>
        <source>Общий вес</source>
        <translation>Загальна вага</translation>
    </message>
    <message>
        <source>Кол-во продаж</source>
        <translation>Кількість продажів</translation>
    </message>
    <message>
        <source>Группа весов</source>
        <translation>Група ваг</translation>
    </message>
    <message>
        <source>Исп.</source>
        <translation>Вик.</translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Название весов</source>
        <translation>Назва ваг</translation>
    </message>
    <message>
        <source>IP/COM</source>
        <translation>IP/COM</translation>
    </message>
    <message>
        <source>Port/Speed</source>
        <translation>Порт/Швидкість</translation>
    </message>
    <message>
        <source>Входит в группы</source>
        <translation>Входить до груп</translation>
    </message>
    <message>
        <source>№ Сообщения</source>
        <translation>№ Повідомлення</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Рядок %1</translation>
    </message>
</context>
<context>
    <name>CommandFacts</name>
    <message>
        <source>Не выбраны ни одни весы!</source>
        <translation>Не вибрано жодних ваг!</translation>
    </message>
    <message>
        <source>Выберите только одни весы!</source>
        <translation>Виберіть лише одні ваги!</translation>
    </message>
    <message>
        <source>чтение настроек</source>
        <translation>читання налаштувань</translation>
    </message>
    <message>
        <source>настройки</source>
        <translation>налаштування</translation>
    </message>
    <message>
        <source>Настройки пользователя успешно считаны.</source>
        <translation>Налаштування користувача успішно зчитано.</translation>
    </message>
    <message>
        <source>чтение заголовка магазина</source>
        <translation>читання заголовка магазину</translation>
    </message>
    <message>
        <source>заголовок магазина</source>
        <translation>заголовок магазину</translation>
    </message>
    <message>
        <source>чтение логотипа</source>
        <translation>читання логотипа</translation>
    </message>
    <message>
        <source>логотип</source>
        <translation>логотип</translation>
    </message>
    <message>
        <source>проверка связи</source>
        <translation>перевірка зв&apos;язку</translation>
    </message>
    <message>
        <source>запись настроек</source>
        <translation>запис налаштувань</translation>
    </message>
    <message>
        <source>Настройки пользователя успешно переданы.</source>
        <translation>Налаштування користувача успішно передано.</translation>
    </message>
    <message>
        <source>запись заголовка магазина</source>
        <translation>запис заголовка магазину</translation>
    </message>
    <message>
        <source>запись логотипа</source>
        <translation>запис логотипа</translation>
    </message>
    <message>
        <source>Логотип успешно записан.</source>
        <translation>Логотип успішно записано.</translation>
    </message>
    <message>
        <source>установка даты</source>
        <translation>встановлення дати</translation>
    </message>
    <message>
        <source>дату</source>
        <translation>дату</translation>
    </message>
    <message>
        <source>Дата и время синхронизированы с компьютером.</source>
        <translation>Дату й час синхронізовано з комп&apos;ютером.</translation>
    </message>
    <message>
        <source>установка времени</source>
        <translation>встановлення часу</translation>
    </message>
    <message>
        <source>время</source>
        <translation>час</translation>
    </message>
    <message>
        <source>чтение товаров</source>
        <translation>читання товарів</translation>
    </message>
    <message>
        <source>Запрошенные PLU успешно считаны</source>
        <translation>Запитані PLU успішно зчитано</translation>
    </message>
    <message>
        <source>чтение товаров из весов</source>
        <translation>читання товарів з ваг</translation>
    </message>
    <message>
        <source>запись товаров</source>
        <translation>запис товарів</translation>
    </message>
    <message>
        <source>Все PLU успешно записаны в весы %1</source>
        <translation>Усі PLU успішно записано у ваги %1</translation>
    </message>
    <message>
        <source>запись товаров в весы</source>
        <translation>запис товарів у ваги</translation>
    </message>
    <message>
        <source>чтение сообщений</source>
        <translation>читання повідомлень</translation>
    </message>
    <message>
        <source>На вкладеке &quot;Настройка&quot; выберите только одни весы!</source>
        <translation>На вкладці &quot;Налаштування&quot; виберіть лише одні ваги!</translation>
    </message>
    <message>
        <source>Запрошенные сообщения успешно считаны</source>
        <translation>Запитані повідомлення успішно зчитано</translation>
    </message>
    <message>
        <source>чтение сообщений из весов</source>
        <translation>читання повідомлень з ваг</translation>
    </message>
    <message>
        <source>запись сообщений</source>
        <translation>запис повідомлень</translation>
    </message>
    <message>
        <source>Все сообщения успешно записаны</source>
        <translation>Усі повідомлення успішно записано</translation>
    </message>
    <message>
        <source>запись сообщений в весы</source>
        <translation>запис повідомлень у ваги</translation>
    </message>
    <message>
        <source>сверка товаров с весами</source>
        <translation>звірка товарів з вагами</translation>
    </message>
    <message>
        <source>сверка сообщений с весами</source>
        <translation>звірка повідомлень з вагами</translation>
    </message>
    <message>
        <source>чтение итогов продаж</source>
        <translation>читання підсумків продажів</translation>
    </message>
    <message>
        <source>итоги продаж</source>
        <translation>підсумки продажів</translation>
    </message>
    <message>
        <source>чтение состояния весов</source>
        <translation>читання стану ваг</translation>
    </message>
    <message>
        <source>состояние весов</source>
        <translation>стан ваг</translation>
    </message>
</context>
<context>
    <name>CommandLineMark</name>
    <message>
        <source>окно Tevo</source>
        <translation>вікно Tevo</translation>
    </message>
    <message>
        <source>другая команда tevo-cli</source>
        <translation>інша команда tevo-cli</translation>
    </message>
    <message>
        <source>другая программа</source>
        <translation>інша програма</translation>
    </message>
    <message>
        <source> или </source>
        <translation> або </translation>
    </message>
    <message>
        <source>База данных занята другой программой (%1): Tevo ждал %2 с, пока %3 сохранит свои изменения. Повторите команду позже.</source>
        <translation>База даних зайнята іншою програмою (%1): Tevo чекав %2 с, поки %3 збереже свої зміни. Повторіть команду пізніше.</translation>
    </message>
    <message>
        <source>база данных занята другой программой (%1): Tevo ждал %2 с, пока %3 сохранит свои изменения. Повторите команду позже.</source>
        <translation>база даних зайнята іншою програмою (%1): Tevo чекав %2 с, поки %3 збереже свої зміни. Повторіть команду пізніше.</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Проверка связи окончена. Обнаружено включеных %1 весов.</source>
        <translation>Перевірку зв&apos;язку завершено. Виявлено увімкнених ваг: %1.</translation>
    </message>
    <message>
        <source>Идет обмен с весами. Проверить связь можно после его окончания или после кнопки «Прекратить обмен с весами».</source>
        <translation>Іде обмін з вагами. Перевірити зв&apos;язок можна після його закінчення або після кнопки «Припинити обмін з вагами».</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; не є допустимим цілим числом</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; не є допустимим цілим числом для поля &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>Файл «%1» пуст: в нём нет ни одной строки.</source>
        <translation>Файл «%1» порожній: у ньому немає жодного рядка.</translation>
    </message>
    <message>
        <source>Файл «%1» не текстовый: это не файл товаров или сообщений в этом формате. Ничего не изменено.</source>
        <translation>Файл «%1» не текстовий: це не файл товарів чи повідомлень у цьому форматі. Нічого не змінено.</translation>
    </message>
    <message>
        <source>Файл «%1», строка %2: значение «%3» поля %4 не закончено знаком «;» и не было бы загружено (в этом формате каждое поле заканчивается «;»). Ничего не изменено.</source>
        <translation>Файл «%1», рядок %2: значення «%3» поля %4 не закінчене знаком «;» і не було б завантажене (у цьому форматі кожне поле закінчується «;»). Нічого не змінено.</translation>
    </message>
    <message>
        <source>В файле «%1» нет ни одной строки с полями, разделёнными «;»: это не файл товаров или сообщений в этом формате. Ничего не изменено.</source>
        <translation>У файлі «%1» немає жодного рядка з полями, розділеними «;»: це не файл товарів чи повідомлень у цьому форматі. Нічого не змінено.</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Товар</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Ошибки найдены в: </source>
        <translation>Помилки знайдено в: </translation>
    </message>
    <message>
        <source>№ ПЛУ </source>
        <translation>№ PLU </translation>
    </message>
    <message>
        <source>№ ПЛУ; </source>
        <translation>№ PLU; </translation>
    </message>
    <message>
        <source>Название товара 1</source>
        <translation>Назва товару 1</translation>
    </message>
    <message>
        <source>Название товара 1; </source>
        <translation>Назва товару 1; </translation>
    </message>
    <message>
        <source>Название товара 2</source>
        <translation>Назва товару 2</translation>
    </message>
    <message>
        <source>Название товара 2; </source>
        <translation>Назва товару 2; </translation>
    </message>
    <message>
        <source>%1: знаки %2 весы напечатают как «%3»; </source>
        <translation>%1: знаки %2 ваги надрукують як «%3»; </translation>
    </message>
    <message>
        <source>Код товара </source>
        <translation>Код товару </translation>
    </message>
    <message>
        <source>Код товара; </source>
        <translation>Код товару; </translation>
    </message>
    <message>
        <source>Цена </source>
        <translation>Ціна </translation>
    </message>
    <message>
        <source>Цена; </source>
        <translation>Ціна; </translation>
    </message>
    <message>
        <source>Срок годности </source>
        <translation>Термін придатності </translation>
    </message>
    <message>
        <source>Срок годности; </source>
        <translation>Термін придатності; </translation>
    </message>
    <message>
        <source>Тара; </source>
        <translation>Тара; </translation>
    </message>
    <message>
        <source>Тара </source>
        <translation>Тара </translation>
    </message>
    <message>
        <source>Групповой код </source>
        <translation>Груповий код </translation>
    </message>
    <message>
        <source>Групповой год; </source>
        <translation>Груповий код; </translation>
    </message>
    <message>
        <source>Проверка данных завершена успешно. Ошибок не обнаружено</source>
        <translation>Перевірку даних успішно завершено. Помилок не виявлено</translation>
    </message>
    <message>
        <source>; строка №</source>
        <translation>; рядок №</translation>
    </message>
    <message>
        <source>№ ПЛУ %1 повторяется (в таблице %2 строк); строка №%1</source>
        <translation>№ PLU %1 повторюється (у таблиці %2 рядків); рядок №%1</translation>
    </message>
    <message>
        <source>№ ПЛУ %1 стоит в строке %2: номера идут не от 1 по порядку; строка №%1</source>
        <translation>№ PLU %1 стоїть у рядку %2: номери йдуть не від 1 по порядку; рядок №%1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Не вдається створити папку %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Table unknown
%1</source>
        <translation>Невідома таблиця
%1</translation>
    </message>
    <message>
        <source>Связь с сервером базы данных потеряна: изменения после последнего сохранения не сохранены. Программа соединится с сервером снова при следующем действии с базой данных или при активации окна и перечитает таблицы.</source>
        <translation>Зв&apos;язок із сервером бази даних втрачено: зміни після останнього збереження не збережено. Програма з&apos;єднається з сервером знову під час наступної дії з базою даних або під час активації вікна й перечитає таблиці.</translation>
    </message>
    <message>
        <source>Database not open</source>
        <translation>База даних не відкрита</translation>
    </message>
    <message>
        <source>База данных сама отменила все изменения после последнего сохранения: они потеряны. Таблицы перечитаны из базы данных.</source>
        <translation>База даних сама скасувала всі зміни після останнього збереження: їх втрачено. Таблиці перечитано з бази даних.</translation>
    </message>
    <message>
        <source>
Базу данных держит %1.</source>
        <translation>
Базу даних тримає %1.</translation>
    </message>
    <message>
        <source>
Изменения пока не сохранены в базе данных; программа сохранит их, как только база данных освободится.</source>
        <translation>
Зміни поки не збережено в базі даних; програма збереже їх, щойно база даних звільниться.</translation>
    </message>
    <message>
        <source>Сервер базы данных не ответил за %1 с.</source>
        <translation>Сервер бази даних не відповів за %1 с.</translation>
    </message>
</context>
<context>
    <name>DatabaseChoice</name>
    <message>
        <source>Файл %1 не называет сервер базы данных: %2. Нужна строка Server= в разделе [Database], например:
[Database]
Server=host=сервер dbname=tevo user=kassa
Исправьте файл или удалите его, чтобы работать с файлом базы данных этого компьютера.</source>
        <translation>Файл %1 не називає сервер бази даних: %2. Потрібен рядок Server= у розділі [Database], наприклад:
[Database]
Server=host=сервер dbname=tevo user=kassa
Виправте файл або видаліть його, щоб працювати з файлом бази даних цього комп&apos;ютера.</translation>
    </message>
    <message>
        <source>в нём нет раздела [Database]</source>
        <translation>у ньому немає розділу [Database]</translation>
    </message>
    <message>
        <source>раздел [Database] пуст</source>
        <translation>розділ [Database] порожній</translation>
    </message>
    <message>
        <source>в разделе [Database] нет строки Server= (есть: %1)</source>
        <translation>у розділі [Database] немає рядка Server= (є: %1)</translation>
    </message>
    <message>
        <source>строка Server= пуста</source>
        <translation>рядок Server= порожній</translation>
    </message>
    <message>
        <source>В файле %1 записан пароль сервера базы данных, а читать файл могут и другие пользователи этого компьютера. Сделайте файл доступным только себе (chmod 600) или перенесите пароль в ~/.pgpass.</source>
        <translation>У файлі %1 записано пароль сервера бази даних, а читати файл можуть і інші користувачі цього комп&apos;ютера. Зробіть файл доступним лише собі (chmod 600) або перенесіть пароль у ~/.pgpass.</translation>
    </message>
</context>
<context>
    <name>DatabaseFile</name>
    <message>
        <source>The database %1 stores text as %2; the tables need UTF8 (CREATE DATABASE … ENCODING &apos;UTF8&apos;)</source>
        <translation>База даних %1 зберігає текст як %2; таблицям потрібне UTF8 (CREATE DATABASE … ENCODING &apos;UTF8&apos;)</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <source>The server connection must be written as key=value pairs (host=… port=… dbname=… user=…), not as a URI</source>
        <translation>Підключення до сервера треба записувати парами ключ=значення (host=… port=… dbname=… user=…), а не як URI</translation>
    </message>
    <message>
        <source>unterminated quoted string in connection info string</source>
        <translation>незакритий рядок у лапках у рядку підключення</translation>
    </message>
    <message>
        <source>файл %1</source>
        <translation>файл %1</translation>
    </message>
    <message>
        <source>сервер PostgreSQL %1</source>
        <translation>сервер PostgreSQL %1</translation>
    </message>
    <message>
        <source>сервер PostgreSQL (строка подключения не читается)</source>
        <translation>сервер PostgreSQL (рядок підключення не читається)</translation>
    </message>
</context>
<context>
    <name>DbfExchange</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Поле &apos;%1&apos; не знайдено</translation>
    </message>
    <message>
        <source>Value &apos;%1&apos; of goods %2 does not fit field &apos;%3&apos; (%4 characters)</source>
        <translation>Значення &apos;%1&apos; товару %2 не вміщується в поле &apos;%3&apos; (%4 знаків)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдається створити файл %1</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; of %2 holds neither text nor numbers</source>
        <translation>Поле &apos;%1&apos; у %2 не містить ні тексту, ні чисел</translation>
    </message>
</context>
<context>
    <name>DbfFile</name>
    <message>
        <source>File %1 is not a dBase table</source>
        <translation>Файл %1 не є таблицею dBase</translation>
    </message>
    <message>
        <source>File %1 is damaged: it is shorter than its header states</source>
        <translation>Файл %1 пошкоджено: він коротший, ніж указано в його заголовку</translation>
    </message>
    <message>
        <source>File %1 is damaged: it holds fewer records than its header states</source>
        <translation>Файл %1 пошкоджено: у ньому менше записів, ніж указано в його заголовку</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не вдається записати в %1</translation>
    </message>
</context>
<context>
    <name>DbfTemplate</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдається створити файл %1</translation>
    </message>
</context>
<context>
    <name>ExchangeEngine</name>
    <message>
        <source>Идет проверка связи с весами. Дождитесь её окончания и повторите команду.</source>
        <translation>Іде перевірка зв&apos;язку з вагами. Дочекайтеся її закінчення й повторіть команду.</translation>
    </message>
</context>
<context>
    <name>ExchangeTexts</name>
    <message>
        <source>%1 отказались принять сообщения: %2</source>
        <translation>%1 відмовилися прийняти повідомлення: %2</translation>
    </message>
    <message>
        <source>%1 отказались принять PLU: %2</source>
        <translation>%1 відмовилися прийняти PLU: %2</translation>
    </message>
    <message>
        <source>команду %1</source>
        <translation>команду %1</translation>
    </message>
    <message>
        <source> (сообщение %1)</source>
        <translation> (повідомлення %1)</translation>
    </message>
    <message>
        <source> и </source>
        <translation> і </translation>
    </message>
    <message>
        <source>… (всего %1)</source>
        <translation>… (усього %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n расхождений</source>
        <translation>
            <numerusform>%n розбіжність</numerusform>
            <numerusform>%n розбіжності</numerusform>
            <numerusform>%n розбіжностей</numerusform>
        </translation>
    </message>
    <message>
        <source>отличается</source>
        <translation>відрізняється</translation>
    </message>
    <message>
        <source>нет в весах</source>
        <translation>немає у вагах</translation>
    </message>
    <message>
        <source>лишний в весах</source>
        <translation>зайвий у вагах</translation>
    </message>
    <message>
        <source>%1 не ответили: сверка не сделана.</source>
        <translation>%1 не відповіли: звірку не зроблено.</translation>
    </message>
    <message>
        <source>%1: %2 из %3</source>
        <translation>%1: %2 з %3</translation>
    </message>
    <message>
        <source> (сверено не всё: весы перестали отвечать)</source>
        <translation> (звірено не все: ваги перестали відповідати)</translation>
    </message>
    <message>
        <source>%1 отказались передать %2</source>
        <translation>%1 відмовилися передати %2</translation>
    </message>
    <message>
        <source>%1 отказались принять %2</source>
        <translation>%1 відмовилися прийняти %2</translation>
    </message>
    <message>
        <source>%1: отправлено %2, уже были в весах %3</source>
        <translation>%1: надіслано %2, уже були у вагах %3</translation>
    </message>
    <message>
        <source>%1 не отвечают: сделано %2 из %3.</source>
        <translation>%1 не відповідають: зроблено %2 з %3.</translation>
    </message>
    <message>
        <source>%1 не отвечают на команду %2: сделано %3 из %4.</source>
        <translation>%1 не відповідають на команду %2: зроблено %3 з %4.</translation>
    </message>
    <message>
        <source>%1 — недоступны: %2</source>
        <translation>%1 — недоступні: %2</translation>
    </message>
    <message>
        <source>; нет в весах: </source>
        <translation>; немає у вагах: </translation>
    </message>
    <message>
        <source>; не приняты: </source>
        <translation>; не прийнято: </translation>
    </message>
    <message>
        <source>; отказ: </source>
        <translation>; відмова: </translation>
    </message>
    <message>
        <source> — не отвечает, обмен с ними закончен</source>
        <translation> — не відповідає, обмін з ними закінчено</translation>
    </message>
    <message>
        <source> — не отвечает на команду %1, обмен с ними закончен</source>
        <translation> — не відповідає на команду %1, обмін з ними закінчено</translation>
    </message>
    <message>
        <source> — не ответили ни разу, обмен прекращён</source>
        <translation> — не відповіли жодного разу, обмін припинено</translation>
    </message>
    <message>
        <source> — не отвечает, обмен прекращён</source>
        <translation> — не відповідає, обмін припинено</translation>
    </message>
    <message>
        <source> — обмен прекращён</source>
        <translation> — обмін припинено</translation>
    </message>
    <message>
        <source> — не отвечает</source>
        <translation> — не відповідає</translation>
    </message>
</context>
<context>
    <name>GoodsRecord</name>
    <message>
        <source>&apos;%1&apos;: код длиннее шести цифр не помещается в весы</source>
        <translation>&apos;%1&apos;: код, довший за шість цифр, не вміщується у ваги</translation>
    </message>
    <message>
        <source>A goods reply needs at least %1 bytes, got %2</source>
        <translation>Відповідь із товаром має містити щонайменше %1 байтів, отримано %2</translation>
    </message>
</context>
<context>
    <name>GoodsSheetFile</name>
    <message>
        <source>The goods table has %1 rows; a spreadsheet holds at most %2</source>
        <translation>У таблиці товарів %1 рядків; електронна таблиця вміщує щонайбільше %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдається створити файл %1</translation>
    </message>
</context>
<context>
    <name>GoodsTextFile</name>
    <message>
        <source>Файл товаров %1, строка %2, раздел [%3]: %4</source>
        <translation>Файл товарів %1, рядок %2, розділ [%3]: %4</translation>
    </message>
    <message>
        <source>Файл товаров %1 пуст: в нём нет ни одного товара.</source>
        <translation>Файл товарів %1 порожній: у ньому немає жодного товару.</translation>
    </message>
    <message>
        <source>Файл товаров %1 записан в кодировке UTF-16, а файл товаров читается только в Windows-1251 или UTF-8. Сохраните его в одной из них.</source>
        <translation>Файл товарів %1 записано в кодуванні UTF-16, а файл товарів читається лише у Windows-1251 або UTF-8. Збережіть його в одному з них.</translation>
    </message>
    <message>
        <source>Файл товаров %1 не текстовый: в строке %2 байт 0x%3, которого в тексте не бывает. Это не файл товаров или он повреждён.</source>
        <translation>Файл товарів %1 не текстовий: у рядку %2 байт 0x%3, якого в тексті не буває. Це не файл товарів або його пошкоджено.</translation>
    </message>
    <message>
        <source>В файле товаров %1 нет раздела [Main] с числом записей RecordCount: файл не дописан до конца или это не файл товаров.</source>
        <translation>У файлі товарів %1 немає розділу [Main] із кількістю записів RecordCount: файл не дописано до кінця або це не файл товарів.</translation>
    </message>
    <message>
        <source>нет числа записей RecordCount.</source>
        <translation>немає кількості записів RecordCount.</translation>
    </message>
    <message>
        <source>RecordCount=%1, а нужно целое число больше 0.</source>
        <translation>RecordCount=%1, а потрібне ціле число, більше за 0.</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Товар</translation>
    </message>
    <message>
        <source>В файле товаров %1 нет ни одного товара: ни в одном из разделов [1] … [%2] нет значений.</source>
        <translation>У файлі товарів %1 немає жодного товару: у жодному з розділів [1] … [%2] немає значень.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
</context>
<context>
    <name>GoodsTransfer</name>
    <message>
        <source>В таблице товаров нет строки № %1 (в ней %2 строк): обмен не начат, в весы ничего не отправлено.</source>
        <translation>У таблиці товарів немає рядка № %1 (у ній %2 рядків): обмін не розпочато, у ваги нічого не надіслано.</translation>
    </message>
    <message>
        <source>В таблице товаров больше нет строки № %1: запись остановлена.</source>
        <translation>У таблиці товарів більше немає рядка № %1: запис зупинено.</translation>
    </message>
    <message>
        <source>%1
Товар № %2 не может быть записан в весы; обмен остановлен.</source>
        <translation>%1
Товар № %2 не може бути записаний у ваги; обмін зупинено.</translation>
    </message>
    <message>
        <source>В таблице товаров нет строки № %1: товар не сохранён, обмен остановлен.</source>
        <translation>У таблиці товарів немає рядка № %1: товар не збережено, обмін зупинено.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>цена %1 грн вне пределов весов (0,00 … %2 грн)</source>
        <translation>ціна %1 грн поза межами ваг (0,00 … %2 грн)</translation>
    </message>
    <message>
        <source>%1 — тара должна быть чётной</source>
        <translation>%1 — тара має бути парною</translation>
    </message>
    <message>
        <source>%1 вне пределов %2 … %3</source>
        <translation>%1 поза межами %2 … %3</translation>
    </message>
    <message>
        <source>В файле «%1» нет такого листа.</source>
        <translation>У файлі «%1» немає такого аркуша.</translation>
    </message>
    <message>
        <source>Файл «%1»: %2.</source>
        <translation>Файл «%1»: %2.</translation>
    </message>
    <message>
        <source>Файл «%1»: не указан столбец с номером (PLU), по которому выбирается строка таблицы.</source>
        <translation>Файл «%1»: не вказано стовпець із номером (PLU), за яким вибирається рядок таблиці.</translation>
    </message>
    <message>
        <source>Файл «%1»: не указан ни один столбец со значениями для таблицы.</source>
        <translation>Файл «%1»: не вказано жодного стовпця зі значеннями для таблиці.</translation>
    </message>
    <message>
        <source>В файле «%1» нет ни одной строки с данными под заголовком.</source>
        <translation>У файлі «%1» немає жодного рядка з даними під заголовком.</translation>
    </message>
    <message>
        <source>Файл «%1», %2%3: %4.</source>
        <translation>Файл «%1», %2%3: %4.</translation>
    </message>
    <message>
        <source>нет номера PLU</source>
        <translation>немає номера PLU</translation>
    </message>
    <message>
        <source>нет номера сообщения</source>
        <translation>немає номера повідомлення</translation>
    </message>
    <message>
        <source>номер %1 вне таблицы: таблица пуста</source>
        <translation>номер %1 поза таблицею: таблиця порожня</translation>
    </message>
    <message>
        <source>номер %1 вне таблицы (1 … %2)</source>
        <translation>номер %1 поза таблицею (1 … %2)</translation>
    </message>
    <message>
        <source>номер %1 уже был: %2</source>
        <translation>номер %1 уже був: %2</translation>
    </message>
    <message>
        <source>Файл «%1», %2: текст длиннее %3 знаков, в сообщение войдут первые %3.</source>
        <translation>Файл «%1», %2: текст довший за %3 знаків, до повідомлення ввійдуть перші %3.</translation>
    </message>
    <message>
        <source>строка сообщения длиннее %1 знаков (%2)</source>
        <translation>рядок повідомлення довший за %1 знаків (%2)</translation>
    </message>
    <message>
        <source>Файл «%1», %2: название длиннее %3 знаков записи весов; проверка данных отметит его.</source>
        <translation>Файл «%1», %2: назва довша за %3 знаків запису ваг; перевірка даних позначить її.</translation>
    </message>
    <message>
        <source>Импорт не выполнен, таблица не изменена: строк, которые нельзя сохранить, %1. Первая: %2</source>
        <translation>Імпорт не виконано, таблицю не змінено: рядків, які не можна зберегти, %1. Перший: %2</translation>
    </message>
    <message>
        <source>В файле «%1» нет строк для импорта.</source>
        <translation>У файлі «%1» немає рядків для імпорту.</translation>
    </message>
    <message>
        <source>Импорт не выполнен: номера %1 уже нет в таблице (%2 строк).</source>
        <translation>Імпорт не виконано: номера %1 уже немає в таблиці (%2 рядків).</translation>
    </message>
    <message>
        <source>Из файла «%1» прочитано строк: %2; %3 не изменилось: в таблице уже то же самое.</source>
        <translation>З файлу «%1» прочитано рядків: %2; %3 не змінилося: у таблиці вже те саме.</translation>
    </message>
    <message>
        <source>ни одного товара</source>
        <translation>жодного товару</translation>
    </message>
    <message>
        <source>ни одного сообщения</source>
        <translation>жодного повідомлення</translation>
    </message>
    <message>
        <source>Из файла «%1» прочитано строк: %2; изменено %3: %4 (столбцы: %5).</source>
        <translation>З файлу «%1» прочитано рядків: %2; змінено %3: %4 (стовпці: %5).</translation>
    </message>
    <message>
        <source>товаров</source>
        <translation>товарів</translation>
    </message>
    <message>
        <source>сообщений</source>
        <translation>повідомлень</translation>
    </message>
</context>
<context>
    <name>ImportSupport</name>
    <message>
        <source>%1 number %2 is outside the table: the table is empty</source>
        <translation>%1: номер %2 поза таблицею: таблиця порожня</translation>
    </message>
    <message>
        <source>%1 number %2 is outside the table (1-%3)</source>
        <translation>%1: номер %2 поза таблицею (1-%3)</translation>
    </message>
</context>
<context>
    <name>Logo</name>
    <message>
        <source>Cannot open picture %1: %2</source>
        <translation>Не вдається відкрити зображення %1: %2</translation>
    </message>
</context>
<context>
    <name>MessagesTransfer</name>
    <message>
        <source>В таблице сообщений нет строки № %1 (в ней %2 строк): обмен не начат, в весы ничего не отправлено.</source>
        <translation>У таблиці повідомлень немає рядка № %1 (у ній %2 рядків): обмін не розпочато, у ваги нічого не надіслано.</translation>
    </message>
    <message>
        <source>В таблице сообщений больше нет строки № %1: запись остановлена.</source>
        <translation>У таблиці повідомлень більше немає рядка № %1: запис зупинено.</translation>
    </message>
    <message>
        <source>В таблице сообщений нет строки № %1: сообщение не сохранено, обмен остановлен.</source>
        <translation>У таблиці повідомлень немає рядка № %1: повідомлення не збережено, обмін зупинено.</translation>
    </message>
</context>
<context>
    <name>MoneyText</name>
    <message>
        <source>%1 — не число</source>
        <translation>%1 — не число</translation>
    </message>
    <message>
        <source>%1: цена в копейках — целое число</source>
        <translation>%1: ціна в копійках — ціле число</translation>
    </message>
    <message>
        <source>%1: больше двух знаков после запятой, это не целое число копеек</source>
        <translation>%1: більше двох знаків після коми, це не ціле число копійок</translation>
    </message>
    <message>
        <source>%1: слишком большое число</source>
        <translation>%1: завелике число</translation>
    </message>
    <message>
        <source>%1 — не целое число</source>
        <translation>%1 — не ціле число</translation>
    </message>
</context>
<context>
    <name>OperationGuard</name>
    <message>
        <source>операция с таблицами</source>
        <translation>операція з таблицями</translation>
    </message>
    <message>
        <source>Программа завершает работу: команда не выполнена.</source>
        <translation>Програма завершує роботу: команду не виконано.</translation>
    </message>
    <message>
        <source>Сейчас выполняется другая операция с таблицами: %1. Повторите команду, когда она закончится.</source>
        <translation>Зараз виконується інша операція з таблицями: %1. Повторіть команду, коли вона закінчиться.</translation>
    </message>
</context>
<context>
    <name>PacketBytes</name>
    <message>
        <source>A %1 reply needs %2 bytes, got %3</source>
        <translation>Відповідь %1 має містити %2 байтів, отримано %3</translation>
    </message>
    <message>
        <source>A packet of %1 bytes has no %2 bytes from byte %3</source>
        <translation>У пакеті з %1 байтів немає %2 байтів від байта %3</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не вдається записати в %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
</context>
<context>
    <name>RangeSelection</name>
    <message>
        <source>Номер %1 вне диапазона 1 … %2</source>
        <translation>Номер %1 поза діапазоном 1 … %2</translation>
    </message>
</context>
<context>
    <name>ReportSheetFile</name>
    <message>
        <source>Не удаётся записать файл «%1»: %2.</source>
        <translation>Не вдається записати файл «%1»: %2.</translation>
    </message>
    <message>
        <source>недопустимое имя листа «%1»</source>
        <translation>неприпустима назва аркуша «%1»</translation>
    </message>
    <message>
        <source>нет доступа к папке или нет места на диске</source>
        <translation>немає доступу до папки або немає місця на диску</translation>
    </message>
</context>
<context>
    <name>ScaleChannels</name>
    <message>
        <source>Весы %1</source>
        <translation>Ваги %1</translation>
    </message>
    <message>
        <source>Весы «%1» (%2)</source>
        <translation>Ваги «%1» (%2)</translation>
    </message>
    <message>
        <source>%1: нет связи: %2</source>
        <translation>%1: немає зв&apos;язку: %2</translation>
    </message>
    <message>
        <source>скорость линии (PORT) не указана — например 9600</source>
        <translation>швидкість лінії (PORT) не вказано — наприклад 9600</translation>
    </message>
    <message>
        <source>скорость линии «%1» (PORT) — у последовательного порта нет такой скорости, например 9600</source>
        <translation>швидкість лінії «%1» (PORT) — послідовний порт не має такої швидкості, наприклад 9600</translation>
    </message>
    <message>
        <source>порт %1 не связан ни с каким устройством (%2)</source>
        <translation>порт %1 не пов&apos;язаний з жодним пристроєм (%2)</translation>
    </message>
    <message>
        <source>порт %1: нет устройства %2</source>
        <translation>порт %1: немає пристрою %2</translation>
    </message>
    <message>
        <source>порт %1 (%2) не открывается: %3</source>
        <translation>порт %1 (%2) не відкривається: %3</translation>
    </message>
    <message>
        <source>«%1» — последовательный порт должен называться COM0 … COM9</source>
        <translation>«%1» — послідовний порт має називатися COM0 … COM9</translation>
    </message>
    <message>
        <source>«%1» — это тот же последовательный порт%2, что у строки %3 «%4»</source>
        <translation>«%1» — це той самий послідовний порт%2, що й у рядка %3 «%4»</translation>
    </message>
    <message>
        <source>в обмене участвуют только первые %1 весов списка</source>
        <translation>в обміні беруть участь лише перші %1 ваг списку</translation>
    </message>
    <message>
        <source>«%1» — это не IP-адрес (например 192.168.0.10) и не порт COM0 … COM9</source>
        <translation>«%1» — це не IP-адреса (наприклад 192.168.0.10) і не порт COM0 … COM9</translation>
    </message>
    <message>
        <source>порт TCP (PORT) не указан — нужно целое число от 1 до 65535</source>
        <translation>порт TCP (PORT) не вказано — потрібне ціле число від 1 до 65535</translation>
    </message>
    <message>
        <source>порт «%1» — номер порта TCP должен быть целым числом от 1 до 65535</source>
        <translation>порт «%1» — номер порту TCP має бути цілим числом від 1 до 65535</translation>
    </message>
    <message>
        <source>%1 — этот адрес и порт уже у строки %2 «%3»</source>
        <translation>%1 — ця адреса й порт уже є в рядка %2 «%3»</translation>
    </message>
    <message>
        <source>Эти весы недоступны для обмена:
</source>
        <translation>Ці ваги недоступні для обміну:
</translation>
    </message>
    <message>
        <source>%1 в строке %2 недоступны: %3</source>
        <translation>%1 у рядку %2 недоступні: %3</translation>
    </message>
</context>
<context>
    <name>ScaleHoldings</name>
    <message numerus="yes">
        <source>%n товаров</source>
        <translation>
            <numerusform>%n товар</numerusform>
            <numerusform>%n товари</numerusform>
            <numerusform>%n товарів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n сообщений</source>
        <translation>
            <numerusform>%n повідомлення</numerusform>
            <numerusform>%n повідомлення</numerusform>
            <numerusform>%n повідомлень</numerusform>
        </translation>
    </message>
    <message>
        <source>всё записано</source>
        <translation>усе записано</translation>
    </message>
    <message>
        <source>отстаёт: </source>
        <translation>відстає: </translation>
    </message>
</context>
<context>
    <name>ScalePage</name>
    <message>
        <source>весы хранят %1 знаков, последние %2 не войдут</source>
        <translation>ваги зберігають %1 знаків, останні %2 не ввійдуть</translation>
    </message>
    <message>
        <source>знаки %1 весы напечатают как «%2»</source>
        <translation>знаки %1 ваги надрукують як «%2»</translation>
    </message>
    <message>
        <source>Весы получат: «%1» (%2)</source>
        <translation>Ваги отримають: «%1» (%2)</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Файл настроек %1: %2</source>
        <translation>Файл налаштувань %1: %2</translation>
    </message>
    <message>
        <source>Строка %1 заголовка магазина содержит перевод строки: в файл настроек она не записывается.</source>
        <translation>Рядок %1 заголовка магазину містить переведення рядка: у файл налаштувань він не записується.</translation>
    </message>
    <message>
        <source>неизвестный раздел [%1] (есть [Settings], [Header] и [Logo])</source>
        <translation>невідомий розділ [%1] (є [Settings], [Header] і [Logo])</translation>
    </message>
    <message>
        <source>нет раздела [Settings]</source>
        <translation>немає розділу [Settings]</translation>
    </message>
    <message>
        <source>нет ключа LabelFormat (номер строки списка «Формат Этикетки», 1 … %1)</source>
        <translation>немає ключа LabelFormat (номер рядка списку «Формат етикетки», 1 … %1)</translation>
    </message>
    <message>
        <source>%1=%2 вне диапазона %3 … %4</source>
        <translation>%1=%2 поза діапазоном %3 … %4</translation>
    </message>
    <message>
        <source>%1=%2: должно быть 0 или 1</source>
        <translation>%1=%2: має бути 0 або 1</translation>
    </message>
    <message>
        <source>неизвестный ключ %1 в разделе [Settings]</source>
        <translation>невідомий ключ %1 у розділі [Settings]</translation>
    </message>
    <message>
        <source>неизвестный ключ %1 в разделе [Header] (есть Line1 и Line2)</source>
        <translation>невідомий ключ %1 у розділі [Header] (є Line1 і Line2)</translation>
    </message>
    <message>
        <source>строка заголовка «%1» длиннее %2 знаков</source>
        <translation>рядок заголовка «%1» довший за %2 знаків</translation>
    </message>
    <message>
        <source>неизвестный ключ %1 в разделе [Logo] (есть Row1 … Row64)</source>
        <translation>невідомий ключ %1 у розділі [Logo] (є Row1 … Row64)</translation>
    </message>
    <message>
        <source>строка логотипа %1 длиннее %2 точек</source>
        <translation>рядок логотипа %1 довший за %2 точок</translation>
    </message>
    <message>
        <source>строка логотипа %1: знак «%2» (точки пишутся «#», пустые места «.»)</source>
        <translation>рядок логотипа %1: знак «%2» (точки пишуться «#», порожні місця «.»)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
</context>
<context>
    <name>SettingsPackets</name>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 х 60 (2 ряд. тов.+8 ряд. повід.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 х 60 (1 ряд. тов.+8 ряд. повід.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.)</source>
        <translation>58 х 60 (2 ряд. тов.+8 ряд. повід.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.)</source>
        <translation>58 х 60 (1 ряд. тов.+8 ряд. повід.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 х 60 (2 ряд. тов.+4 ряд. повід.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 х 60 (1 ряд. тов.+4 ряд. повід.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.)</source>
        <translation>58 х 60 (2 ряд. тов.+4 ряд. повід.)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.)</source>
        <translation>58 х 60 (1 ряд. тов.+4 ряд. повід.)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 х 60 (2 ряд. тов.+8 ряд. повід.+2 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 х 60 (1 ряд. тов.+8 ряд. повід.+2 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 60 (2 ряд. тов.+8 ряд. повід.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 60 (1 ряд. тов.+8 ряд. повід.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+8 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 х 60 (2 ряд. тов.+8 ряд. повід.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+8 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 х 60 (1 ряд. тов.+8 ряд. повід.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 60 (2 ряд. тов.+4 ряд. повід.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 60 (1 ряд. тов.+4 ряд. повід.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 х 60 (2 ряд. тов.+4 ряд. повід.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 х 60 (1 ряд. тов.+4 ряд. повід.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 х 60 (2 ряд. тов.+4 ряд. повід.+2 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)</source>
        <translation>58 х 60 (1 ряд. тов.+4 ряд. повід.+2 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+2 стр. маг.)</source>
        <translation>58 х 40 (2 ряд. тов.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+2 стр. маг.)</source>
        <translation>58 х 40 (1 ряд. тов.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.)</source>
        <translation>58 х 40 (2 ряд. тов.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.)</source>
        <translation>58 х 40 (1 ряд. тов.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 40 (2 ряд. тов.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 40 (1 ряд. тов.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+штр-к. в центре)</source>
        <translation>58 х 40 (2 ряд. тов.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+штр-к. в центре)</source>
        <translation>58 х 40 (1 ряд. тов.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 х 40 (2 ряд. тов.+1 ряд. повід.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.)</source>
        <translation>58 х 40 (1 ряд. тов.+1 ряд. повід.+2 ряд. маг.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.)</source>
        <translation>58 х 40 (2 ряд. тов.+1 ряд. повід.)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.)</source>
        <translation>58 х 40 (1 ряд. тов.+1 ряд. повід.)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 40 (2 ряд. тов.+1 ряд. повід.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)</source>
        <translation>58 х 40 (1 ряд. тов.+1 ряд. повід.+2 ряд. маг.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+1 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 х 40 (2 ряд. тов.+1 ряд. повід.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+1 стр. сообщ.+штр-к. в центре)</source>
        <translation>58 х 40 (1 ряд. тов.+1 ряд. повід.+штр-к. по центру)</translation>
    </message>
    <message>
        <source>58 х 40 (2 стр. тов.+2 стр. маг.+без препринта)</source>
        <translation>58 х 40 (2 ряд. тов.+2 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 40 (1 стр. тов.+2 стр. маг.+без препринта)</source>
        <translation>58 х 40 (1 ряд. тов.+2 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.)</source>
        <translation>58 х 30 (2 ряд. тов.+2 ряд. маг.+без штр-к.)</translation>
    </message>
    <message>
        <source>58 х 30 (1 стр. тов.+2 стр. маг.+без штр-к.)</source>
        <translation>58 х 30 (1 ряд. тов.+2 ряд. маг.+без штр-к.)</translation>
    </message>
    <message>
        <source>58 х 30 (2 стр. тов.+без штр-к.)</source>
        <translation>58 х 30 (2 ряд. тов.+без штр-к.)</translation>
    </message>
    <message>
        <source>58 х 30 (1 стр. тов.+без штр-к.)</source>
        <translation>58 х 30 (1 ряд. тов.+без штр-к.)</translation>
    </message>
    <message>
        <source>58 х 30 (1 стр. тов.+1 стр. маг.+без препринта)</source>
        <translation>58 х 30 (1 ряд. тов.+1 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.+без препринта)</source>
        <translation>58 х 30 (2 ряд. тов.+2 ряд. маг.+без штр-к.+без препринту)</translation>
    </message>
    <message>
        <source>40 х 30 (1 стр. тов.+1 стр. маг.+без препринта)</source>
        <translation>40 х 30 (1 ряд. тов.+1 ряд. маг.+без препринту)</translation>
    </message>
    <message>
        <source>свободний формат етикетки</source>
        <translation>вільний формат етикетки</translation>
    </message>
    <message>
        <source>Штрих-код не печатаеться</source>
        <translation>Штрих-код не друкується</translation>
    </message>
    <message>
        <source>Г6Г5Г4Г3Г2Г1Т6Т5Т4Т3Т2Т1К</source>
        <translation>Г6Г5Г4Г3Г2Г1Т6Т5Т4Т3Т2Т1К</translation>
    </message>
    <message>
        <source>о3о2о1Г6Г5Г4Г3Г2Г1Т3Т2Т1К</source>
        <translation>о3о2о1Г6Г5Г4Г3Г2Г1Т3Т2Т1К</translation>
    </message>
    <message>
        <source>О2О1Т6Т5Т4Т3Т2Т1С4С3С2С1К</source>
        <translation>О2О1Т6Т5Т4Т3Т2Т1С4С3С2С1К</translation>
    </message>
    <message>
        <source>О2О1Т5Т4Т3Т2Т1С5С4С3С2С1К</source>
        <translation>О2О1Т5Т4Т3Т2Т1С5С4С3С2С1К</translation>
    </message>
    <message>
        <source>О2О1Т4Т3Т2Т1С6С5С4С3С2С1К</source>
        <translation>О2О1Т4Т3Т2Т1С6С5С4С3С2С1К</translation>
    </message>
    <message>
        <source>О2О1Т3Т2Т1С7С6С5С4С3С2С1К</source>
        <translation>О2О1Т3Т2Т1С7С6С5С4С3С2С1К</translation>
    </message>
    <message>
        <source>О2О1Т5Т4Т3Т2Т1В5В4В3В2В1К</source>
        <translation>О2О1Т5Т4Т3Т2Т1В5В4В3В2В1К</translation>
    </message>
    <message>
        <source>О2О1Т6Т5Т4Т3Т2Т1В4В3В2В1К</source>
        <translation>О2О1Т6Т5Т4Т3Т2Т1В4В3В2В1К</translation>
    </message>
    <message>
        <source>О- в зависимости от ОСОБЕНОСТЕЙ ПЕЧАТИ </source>
        <translation>О- залежно від ОСОБЛИВОСТЕЙ ДРУКУ </translation>
    </message>
    <message>
        <source>К- контрольная сумма </source>
        <translation>К- контрольна сума </translation>
    </message>
    <message>
        <source>В- вес и количество</source>
        <translation>В- вага та кількість</translation>
    </message>
    <message>
        <source>С- стоимость</source>
        <translation>С- вартість</translation>
    </message>
    <message>
        <source>Г- груповой код</source>
        <translation>Г- груповий код</translation>
    </message>
    <message>
        <source>Т- код товара</source>
        <translation>Т- код товару</translation>
    </message>
    <message>
        <source>о - номер отдела</source>
        <translation>о - номер відділу</translation>
    </message>
    <message>
        <source>Изменение цены</source>
        <translation>Зміна ціни</translation>
    </message>
    <message>
        <source>Изм. цены с сохран.</source>
        <translation>Зм. ціни зі збереж.</translation>
    </message>
    <message>
        <source>Печать номера PLU</source>
        <translation>Друк номера PLU</translation>
    </message>
    <message>
        <source>Печать группового кода</source>
        <translation>Друк групового коду</translation>
    </message>
    <message>
        <source>Печать даты упаковки</source>
        <translation>Друк дати пакування</translation>
    </message>
    <message>
        <source>Печать срока годности</source>
        <translation>Друк терміну придатності</translation>
    </message>
    <message>
        <source>Печать номера этикетки</source>
        <translation>Друк номера етикетки</translation>
    </message>
    <message>
        <source>Печать времени упаковки</source>
        <translation>Друк часу пакування</translation>
    </message>
</context>
<context>
    <name>SqlDialect</name>
    <message>
        <source>Unable to complete network request to host &quot;localhost&quot;.
Database file &quot;%1&quot; not found</source>
        <translation>Не вдається виконати мережевий запит до вузла &quot;localhost&quot;.
Файл бази даних &quot;%1&quot; не знайдено</translation>
    </message>
    <message>
        <source>Database file &quot;%1&quot; cannot be read: %2</source>
        <translation>Файл бази даних &quot;%1&quot; не читається: %2</translation>
    </message>
    <message>
        <source>The value of %1 in the server connection may not hold &quot;;&quot;</source>
        <translation>Значення %1 у підключенні до сервера не може містити &quot;;&quot;</translation>
    </message>
    <message>
        <source>База данных %1 на сервере хранит текст в кодировке %2, а программе нужна UTF8: создайте базу заново (createdb -E UTF8 -T template0).</source>
        <translation>База даних %1 на сервері зберігає текст у кодуванні %2, а програмі потрібне UTF8: створіть базу заново (createdb -E UTF8 -T template0).</translation>
    </message>
    <message>
        <source>Unknown database error</source>
        <translation>Невідома помилка бази даних</translation>
    </message>
</context>
<context>
    <name>TComm32</name>
    <message>
        <source>Already have a comm file open</source>
        <translation>Файл порту вже відкрито</translation>
    </message>
    <message>
        <source>Error opening com port</source>
        <translation>Помилка відкриття COM-порту</translation>
    </message>
    <message>
        <source>File handle is not a comm handle. </source>
        <translation>Дескриптор файлу не є дескриптором порту. </translation>
    </message>
    <message>
        <source>Wrong comm parametrs!!!</source>
        <translation>Неправильні параметри порту!!!</translation>
    </message>
    <message>
        <source>Unable to create Read thread</source>
        <translation>Не вдається створити потік читання</translation>
    </message>
    <message>
        <source>Unable to create Write thread</source>
        <translation>Не вдається створити потік запису</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Поле &apos;%1&apos; не знайдено</translation>
    </message>
    <message>
        <source>Table %1: no row at position %2</source>
        <translation>Таблиця %1: немає рядка на позиції %2</translation>
    </message>
    <message>
        <source>с номером %1</source>
        <translation>з номером %1</translation>
    </message>
    <message>
        <source>Строку %1 таблицы %2 тем временем изменила или удалила другая программа: это изменение не сохранено. Таблица перечитана, в ней то, что хранится в базе данных.</source>
        <translation>Рядок %1 таблиці %2 тим часом змінила або видалила інша програма: цю зміну не збережено. Таблицю перечитано, у ній те, що зберігається в базі даних.</translation>
    </message>
    <message>
        <source>Table %1: %2 rows inserted of %3</source>
        <translation>Таблиця %1: вставлено %2 рядків із %3</translation>
    </message>
</context>
<context>
    <name>TabularFile</name>
    <message>
        <source>Файл %1 %2</source>
        <translation>Файл %1 %2</translation>
    </message>
    <message>
        <source>не таблица dBase или повреждён: прочитать его нельзя.</source>
        <translation>не є таблицею dBase або пошкоджений: прочитати його не можна.</translation>
    </message>
    <message>
        <source>лист «%1», строка %2</source>
        <translation>аркуш «%1», рядок %2</translation>
    </message>
    <message>
        <source>лист «%1», ячейка %2%3</source>
        <translation>аркуш «%1», комірка %2%3</translation>
    </message>
    <message>
        <source>названия полей</source>
        <translation>назви полів</translation>
    </message>
    <message>
        <source>запись %1</source>
        <translation>запис %1</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>рядок %1</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>пуст: в нём нет ни одной строки.</source>
        <translation>порожній: у ньому немає жодного рядка.</translation>
    </message>
    <message>
        <source>не текстовый и не книга Excel или dBase: прочитать его нельзя.</source>
        <translation>не текстовий і не книга Excel чи dBase: прочитати його не можна.</translation>
    </message>
    <message>
        <source>испорчен: кавычка, открытая в строке %1, не закрыта до конца файла.</source>
        <translation>зіпсований: лапки, відкриті в рядку %1, не закриті до кінця файлу.</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл «%1».</source>
        <translation>Не вдається відкрити файл «%1».</translation>
    </message>
    <message>
        <source>слишком велик для таблицы товаров (больше %1 МБ).</source>
        <translation>завеликий для таблиці товарів (більше %1 МБ).</translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл «%1».</source>
        <translation>Не вдається прочитати файл «%1».</translation>
    </message>
</context>
<context>
    <name>XlsReader</name>
    <message>
        <source>Файл «%1» %2</source>
        <translation>Файл «%1» %2</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xls): он повреждён или защищён паролем.</source>
        <translation>не читається як книга Excel (.xls): його пошкоджено або захищено паролем.</translation>
    </message>
    <message>
        <source>защищён паролем: прочитать его нельзя.</source>
        <translation>захищений паролем: прочитати його не можна.</translation>
    </message>
    <message>
        <source>— книга Excel без листов.</source>
        <translation>— книга Excel без аркушів.</translation>
    </message>
    <message>
        <source>не читается: повреждён лист «%1».</source>
        <translation>не читається: пошкоджено аркуш «%1».</translation>
    </message>
    <message>
        <source>не читается: повреждена ячейка %1%2 листа «%3».</source>
        <translation>не читається: пошкоджено комірку %1%2 аркуша «%3».</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xls): он обрывается посередине.</source>
        <translation>не читається як книга Excel (.xls): він обривається посередині.</translation>
    </message>
</context>
<context>
    <name>XlsxBook</name>
    <message>
        <source>нет места для временного файла</source>
        <translation>немає місця для тимчасового файлу</translation>
    </message>
    <message>
        <source>не удалось начать книгу</source>
        <translation>не вдалося почати книгу</translation>
    </message>
    <message>
        <source>Не удаётся записать файл «%1»: %2.</source>
        <translation>Не вдається записати файл «%1»: %2.</translation>
    </message>
    <message>
        <source>временный файл не читается</source>
        <translation>тимчасовий файл не читається</translation>
    </message>
    <message>
        <source>нет доступа к папке или нет места на диске</source>
        <translation>немає доступу до папки або немає місця на диску</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>Файл «%1» %2</source>
        <translation>Файл «%1» %2</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xlsx): повреждена её часть %1.</source>
        <translation>не читається як книга Excel (.xlsx): пошкоджено її частину %1.</translation>
    </message>
    <message>
        <source>не читается как книга Excel (.xlsx): архив повреждён.</source>
        <translation>не читається як книга Excel (.xlsx): архів пошкоджено.</translation>
    </message>
    <message>
        <source>слишком велик: часть %1 больше %2 МБ.</source>
        <translation>завеликий: частина %1 більша за %2 МБ.</translation>
    </message>
    <message>
        <source>не читается: на листе «%1» ячейка %2%3 лежит дальше %4-го столбца.</source>
        <translation>не читається: на аркуші «%1» комірка %2%3 лежить далі %4-го стовпця.</translation>
    </message>
    <message>
        <source>слишком велик: в нём больше %1 ячеек.</source>
        <translation>завеликий: у ньому більше %1 комірок.</translation>
    </message>
    <message>
        <source>— архив, но не книга Excel (.xlsx): в нём нет листов.</source>
        <translation>— архів, але не книга Excel (.xlsx): у ньому немає аркушів.</translation>
    </message>
    <message>
        <source>— книга Excel без листов.</source>
        <translation>— книга Excel без аркушів.</translation>
    </message>
</context>
</TS>
