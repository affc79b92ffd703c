<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru_RU">
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
    <message>
        <source>Диапазон для загрузки пуст: введите номера записей, например 1-5, 7-8.</source>
        <translation>Діапазон для завантаження порожній: введіть номери записів, наприклад 1-5, 7-8.</translation>
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
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
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
<context>
    <name>tevo::AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Обмен данными с весами, печатающими этикетки: товары, сообщения, настройки печати, заголовок магазина, логотип, дата и время, текущее состояние и итоги продаж.</source>
        <translation>Обмін даними з вагами, що друкують етикетки: товари, повідомлення, налаштування друку, заголовок магазину, логотип, дата й час, поточний стан і підсумки продажів.</translation>
    </message>
    <message>
        <source>Папка данных: %1</source>
        <translation>Тека даних: %1</translation>
    </message>
    <message>
        <source>Версия 1.6</source>
        <translation>Версія 1.6</translation>
    </message>
    <message>
        <source> (не открыта)</source>
        <translation> (не відкрита)</translation>
    </message>
    <message>
        <source>База данных: %1</source>
        <translation>База даних: %1</translation>
    </message>
</context>
<context>
    <name>tevo::AutoLoadDialog</name>
    <message>
        <source>Автоматическая загрузка товаров</source>
        <translation>Автоматичне завантаження товарів</translation>
    </message>
    <message>
        <source>Файл товаров</source>
        <translation>Файл товарів</translation>
    </message>
    <message>
        <source>Обзор</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Периодичность проверки</source>
        <translation>Періодичність перевірки</translation>
    </message>
    <message>
        <source>(сек.)</source>
        <translation>(с)</translation>
    </message>
    <message>
        <source>Автоматически загружать товары в выбранные весы</source>
        <translation>Автоматично завантажувати товари у вибрані ваги</translation>
    </message>
    <message>
        <source>Включить автоматическую загрузку</source>
        <translation>Увімкнути автоматичне завантаження</translation>
    </message>
    <message>
        <source>Затирать незаполненные товары</source>
        <translation>Затирати незаповнені товари</translation>
    </message>
    <message>
        <source>Только изменённые</source>
        <translation>Лише змінені</translation>
    </message>
    <message>
        <source>Загружать в каждые весы только те товары, которых в них ещё нет такими, как в списке</source>
        <translation>Завантажувати в кожні ваги лише ті товари, яких у них ще немає такими, як у списку</translation>
    </message>
    <message>
        <source>Выйти</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>TextFile (*.txt);;ParadoxDataBase (*.dbf);;Таблицы других программ (*.csv *.txt *.xlsx *.xls *.dbf);;Все файлы (*)</source>
        <translation>TextFile (*.txt);;ParadoxDataBase (*.dbf);;Таблиці інших програм (*.csv *.txt *.xlsx *.xls *.dbf);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Имя файла &quot;%1&quot; содержит знаки, которых нет в кодировке Windows-1251 (%2): такое имя нельзя сохранить в настройках автоматической загрузки. Переименуйте файл или папку либо выберите другой файл.</source>
        <translation>Ім’я файлу &quot;%1&quot; містить знаки, яких немає в кодуванні Windows-1251 (%2): таке ім’я не можна зберегти в налаштуваннях автоматичного завантаження. Перейменуйте файл або теку чи виберіть інший файл.</translation>
    </message>
</context>
<context>
    <name>tevo::AutoLoader</name>
    <message>
        <source>Ошибка при доступе к файлу автозагрузки!</source>
        <translation>Помилка доступу до файлу автозавантаження!</translation>
    </message>
    <message>
        <source> Он будет загружен, когда изменится.</source>
        <translation> Його буде завантажено, коли він зміниться.</translation>
    </message>
    <message>
        <source>В файле «%1» нет строк для загрузки.</source>
        <translation>У файлі «%1» немає рядків для завантаження.</translation>
    </message>
    <message>
        <source>Строк, которые нельзя сохранить: %1. Первая: %2</source>
        <translation>Рядків, які не можна зберегти: %1. Перший: %2</translation>
    </message>
    <message>
        <source>Файл «%1» не загружен. %2</source>
        <translation>Файл «%1» не завантажено. %2</translation>
    </message>
    <message>
        <source>идет автоматическая загрузка в весы</source>
        <translation>триває автоматичне завантаження у ваги</translation>
    </message>
</context>
<context>
    <name>tevo::Controls</name>
    <message>
        <source>Внимание, после запятых обязательно должны идти пробелы, после тире - не должно быть пробелов</source>
        <translation>Увага: після ком обов’язково мають бути пробіли, після тире пробілів бути не повинно</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>Прекратить обмен с весами</source>
        <translation>Припинити обмін з вагами</translation>
    </message>
    <message>
        <source>Диапазон для загрузки</source>
        <translation>Діапазон для завантаження</translation>
    </message>
</context>
<context>
    <name>tevo::Dialogs</name>
    <message>
        <source>Информация</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Підтвердження</translation>
    </message>
</context>
<context>
    <name>tevo::ExchangeHub</name>
    <message>
        <source>Выберите весы для загрузки!</source>
        <translation>Виберіть ваги для завантаження!</translation>
    </message>
    <message>
        <source>Выберите только ОДНИ весы!</source>
        <translation>Виберіть лише ОДНІ ваги!</translation>
    </message>
    <message>
        <source>Выберите весы для сверки!</source>
        <translation>Виберіть ваги для звірки!</translation>
    </message>
    <message>
        <source>Строка заголовка (название магазина) пуста: весы напечатают её на этикетках пустой. Загрузить настройки в весы?</source>
        <translation>Рядок заголовка (назва магазину) порожній: ваги надрукують його на етикетках порожнім. Завантажити налаштування у ваги?</translation>
    </message>
    <message>
        <source>Не удалось открыть рисунок %1: формат не распознан или файл повреждён.</source>
        <translation>Не вдалося відкрити малюнок %1: формат не розпізнано або файл пошкоджено.</translation>
    </message>
    <message>
        <source>Точечный рисунок (*.bmp *.BMP);;Все рисунки (*.bmp *.png *.jpg *.jpeg *.gif *.pbm *.pgm *.ppm *.xbm *.xpm)</source>
        <translation>Точковий малюнок (*.bmp *.BMP);;Усі малюнки (*.bmp *.png *.jpg *.jpeg *.gif *.pbm *.pgm *.ppm *.xbm *.xpm)</translation>
    </message>
</context>
<context>
    <name>tevo::GoodsTab</name>
    <message>
        <source>Текущий</source>
        <translation>Поточний</translation>
    </message>
    <message>
        <source>Загрузить товары в весы</source>
        <translation>Завантажити товари у ваги</translation>
    </message>
    <message>
        <source>Считать товары из весов</source>
        <translation>Зчитати товари з ваг</translation>
    </message>
</context>
<context>
    <name>tevo::GuideWindow</name>
    <message>
        <source>Руководство пользователя Tevo</source>
        <translation>Посібник користувача Tevo</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Поиск в руководстве</source>
        <translation>Пошук у посібнику</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Не знайдено</translation>
    </message>
</context>
<context>
    <name>tevo::History</name>
    <message>
        <source>Журнал изменений знает цены с %1: о %2 он не знает.</source>
        <translation>Журнал змін знає ціни з %1: про %2 він не знає.</translation>
    </message>
    <message>
        <source>«%1» — не дата: ожидается ГГГГ-ММ-ДД или ДД.ММ.ГГГГ, можно со временем ЧЧ:ММ</source>
        <translation>«%1» — не дата: очікується РРРР-ММ-ДД або ДД.ММ.РРРР, можна з часом ГГ:ХХ</translation>
    </message>
    <message>
        <source>Товара с номером %1 в таблице товаров нет.</source>
        <translation>Товару з номером %1 у таблиці товарів немає.</translation>
    </message>
    <message>
        <source>Журнал изменений</source>
        <translation>Журнал змін</translation>
    </message>
    <message>
        <source>Когда</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Таблиця</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Було</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <source>Откуда</source>
        <translation>Звідки</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>Користувач</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>товары</source>
        <translation>товари</translation>
    </message>
    <message>
        <source>сообщения</source>
        <translation>повідомлення</translation>
    </message>
    <message>
        <source>Переоценка</source>
        <translation>Переоцінка</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Найменування</translation>
    </message>
    <message>
        <source>Старая цена (коп.)</source>
        <translation>Стара ціна (коп.)</translation>
    </message>
    <message>
        <source>Новая цена (коп.)</source>
        <translation>Нова ціна (коп.)</translation>
    </message>
    <message>
        <source>Наименьшая цена</source>
        <translation>Найнижча ціна</translation>
    </message>
    <message>
        <source>Цена (коп.)</source>
        <translation>Ціна (коп.)</translation>
    </message>
    <message>
        <source>Наименьшая за %1 дн. (коп.)</source>
        <translation>Найнижча за %1 дн. (коп.)</translation>
    </message>
    <message>
        <source>Цены в весах</source>
        <translation>Ціни у вагах</translation>
    </message>
    <message>
        <source>Весы</source>
        <translation>Ваги</translation>
    </message>
    <message>
        <source>С</source>
        <translation>З</translation>
    </message>
    <message>
        <source>По</source>
        <translation>По</translation>
    </message>
</context>
<context>
    <name>tevo::HistoryWindow</name>
    <message>
        <source>История товара</source>
        <translation>Історія товару</translation>
    </message>
    <message>
        <source>Когда</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>Що</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Було</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Кто, откуда</source>
        <translation>Хто, звідки</translation>
    </message>
    <message>
        <source>; %1 на %2 (%3)</source>
        <translation>; %1 на %2 (%3)</translation>
    </message>
    <message>
        <source>в весы</source>
        <translation>у ваги</translation>
    </message>
    <message>
        <source>Товар № %1: изменений %2, доставок в весы %3</source>
        <translation>Товар № %1: змін %2, доставок у ваги %3</translation>
    </message>
    <message>
        <source>История товара № %1</source>
        <translation>Історія товару № %1</translation>
    </message>
</context>
<context>
    <name>tevo::ImportDialog</name>
    <message>
        <source>— не загружать —</source>
        <translation>— не завантажувати —</translation>
    </message>
    <message>
        <source>Импорт товаров из файла</source>
        <translation>Імпорт товарів з файлу</translation>
    </message>
    <message>
        <source>Импорт сообщений из файла</source>
        <translation>Імпорт повідомлень з файлу</translation>
    </message>
    <message>
        <source>Поле таблицы</source>
        <translation>Поле таблиці</translation>
    </message>
    <message>
        <source>Столбец файла</source>
        <translation>Стовпець файлу</translation>
    </message>
    <message>
        <source>Цена в</source>
        <translation>Ціна в</translation>
    </message>
    <message>
        <source>Запомнить сопоставление столбцов для файлов</source>
        <translation>Запам’ятати зіставлення стовпців для файлів</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Файл:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Кодировка:</source>
        <translation>Кодування:</translation>
    </message>
    <message>
        <source>Лист:</source>
        <translation>Аркуш:</translation>
    </message>
    <message>
        <source>Столбцы:</source>
        <translation>Стовпці:</translation>
    </message>
    <message>
        <source>Какой столбец файла что заполняет:</source>
        <translation>Який стовпець файлу що заповнює:</translation>
    </message>
    <message>
        <source>Первые строки, как они будут сохранены (цена — в копейках):</source>
        <translation>Перші рядки, як їх буде збережено (ціна — в копійках):</translation>
    </message>
    <message>
        <source>Строки, которые нельзя сохранить:</source>
        <translation>Рядки, які не можна зберегти:</translation>
    </message>
    <message>
        <source>(одна таблица)</source>
        <translation>(одна таблиця)</translation>
    </message>
    <message>
        <source>гривнах</source>
        <translation>гривнях</translation>
    </message>
    <message>
        <source>копейках</source>
        <translation>копійках</translation>
    </message>
    <message>
        <source>Место в файле</source>
        <translation>Місце у файлі</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Предупреждение: </source>
        <translation>Попередження: </translation>
    </message>
    <message>
        <source>Будет сохранено строк: %1. Пока ничего не изменено.</source>
        <translation>Буде збережено рядків: %1. Поки нічого не змінено.</translation>
    </message>
    <message>
        <source>В файле нет строк для импорта.</source>
        <translation>У файлі немає рядків для імпорту.</translation>
    </message>
    <message>
        <source>Строк, которые нельзя сохранить: %1. Такой файл не загружается, пока они есть: исправьте файл или сопоставление столбцов.</source>
        <translation>Рядків, які не можна зберегти: %1. Такий файл не завантажується, доки вони є: виправте файл або зіставлення стовпців.</translation>
    </message>
    <message>
        <source>как запомнено для файлов с таким именем</source>
        <translation>як запам’ятовано для файлів з таким ім’ям</translation>
    </message>
    <message>
        <source>выбраны вручную</source>
        <translation>вибрано вручну</translation>
    </message>
    <message>
        <source>найдены по строке заголовка (строка %1)</source>
        <translation>знайдено за рядком заголовка (рядок %1)</translation>
    </message>
    <message>
        <source>строки заголовка нет: по порядку столбцов файлов программы</source>
        <translation>рядка заголовка немає: за порядком стовпців файлів програми</translation>
    </message>
    <message>
        <source>
Сопоставление столбцов не запомнено: </source>
        <translation>
Зіставлення стовпців не запам’ятовано: </translation>
    </message>
</context>
<context>
    <name>tevo::InstanceLock</name>
    <message>
        <source>Программа уже работает с базой данных %1%2. Вторая копия программы закрывается: работайте в уже открытой (она может быть свёрнута в значок у часов).</source>
        <translation>Програма вже працює з базою даних %1%2. Друга копія програми закривається: працюйте у вже відкритій (вона може бути згорнута в значок біля годинника).</translation>
    </message>
    <message>
        <source> (процесс %1)</source>
        <translation> (процес %1)</translation>
    </message>
</context>
<context>
    <name>tevo::JournalWindow</name>
    <message>
        <source>Журнал изменений</source>
        <translation>Журнал змін</translation>
    </message>
    <message>
        <source>все</source>
        <translation>усі</translation>
    </message>
    <message>
        <source>С</source>
        <translation>З</translation>
    </message>
    <message>
        <source>по</source>
        <translation>по</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <source>Весы</source>
        <translation>Ваги</translation>
    </message>
    <message>
        <source>Дней для наименьшей цены</source>
        <translation>Днів для найнижчої ціни</translation>
    </message>
    <message>
        <source>Показать журнал</source>
        <translation>Показати журнал</translation>
    </message>
    <message>
        <source>Цена на дату «по»</source>
        <translation>Ціна на дату «по»</translation>
    </message>
    <message>
        <source>Наименьшая цена</source>
        <translation>Найнижча ціна</translation>
    </message>
    <message>
        <source>Переоценка</source>
        <translation>Переоцінка</translation>
    </message>
    <message>
        <source>Цены в весах</source>
        <translation>Ціни у вагах</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Зберегти CSV…</translation>
    </message>
    <message>
        <source>Сохранить .xlsx…</source>
        <translation>Зберегти .xlsx…</translation>
    </message>
    <message>
        <source>Записей журнала: %1</source>
        <translation>Записів журналу: %1</translation>
    </message>
    <message>
        <source>Укажите номер товара.</source>
        <translation>Вкажіть номер товару.</translation>
    </message>
    <message>
        <source>Товар № %1 на %2: без цены.</source>
        <translation>Товар № %1 на %2: без ціни.</translation>
    </message>
    <message>
        <source>Цена товара № %1 на %2: %3 коп.</source>
        <translation>Ціна товару № %1 на %2: %3 коп.</translation>
    </message>
    <message>
        <source>Наименьшая цена за %1 дн. до %2: товаров %3</source>
        <translation>Найнижча ціна за %1 дн. до %2: товарів %3</translation>
    </message>
    <message>
        <source>Переоценка за период: изменений цены %1</source>
        <translation>Переоцінка за період: змін ціни %1</translation>
    </message>
    <message>
        <source>Выберите весы.</source>
        <translation>Виберіть ваги.</translation>
    </message>
    <message>
        <source>Цены в весах «%1» за период: %2</source>
        <translation>Ціни у вагах «%1» за період: %2</translation>
    </message>
    <message>
        <source>Сохранить .xlsx</source>
        <translation>Зберегти .xlsx</translation>
    </message>
    <message>
        <source>Сохранить CSV</source>
        <translation>Зберегти CSV</translation>
    </message>
    <message>
        <source>Книга Excel (*.xlsx)</source>
        <translation>Книга Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>tevo::LoadReceipt</name>
    <message>
        <source>Не удаётся записать отчёт автоматической загрузки «%1».</source>
        <translation>Не вдається записати звіт автоматичного завантаження «%1».</translation>
    </message>
</context>
<context>
    <name>tevo::MainWindow</name>
    <message>
        <source>CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV (*.csv);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Таблицы (*.csv *.txt *.xlsx *.xls *.dbf);;CSV, TXT (*.csv *.txt);;Excel (*.xlsx *.xls);;dBase (*.dbf);;Все файлы (*)</source>
        <translation>Таблиці (*.csv *.txt *.xlsx *.xls *.dbf);;CSV, TXT (*.csv *.txt);;Excel (*.xlsx *.xls);;dBase (*.dbf);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Импорт из %1 заменит все товары (%2) товарами из файла (%3). Продолжить?</source>
        <translation>Імпорт з %1 замінить усі товари (%2) товарами з файлу (%3). Продовжити?</translation>
    </message>
    <message>
        <source>Эта операция займет до 5 минут... Нажмите &quot;Ок&quot;</source>
        <translation>Ця операція триватиме до 5 хвилин... Натисніть &quot;Ок&quot;</translation>
    </message>
    <message>
        <source>Tevo Версия 1.6</source>
        <translation>Tevo Версія 1.6</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Товари</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>История товара</source>
        <translation>Історія товару</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.txt</source>
        <translation>Експорт товарів у *.txt</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.dbf</source>
        <translation>Експорт товарів у *.dbf</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.xls</source>
        <translation>Експорт товарів у *.xls</translation>
    </message>
    <message>
        <source>Экспорт товаров в *.xlsx</source>
        <translation>Експорт товарів у *.xlsx</translation>
    </message>
    <message>
        <source>Импорт товаров из *.txt</source>
        <translation>Імпорт товарів з *.txt</translation>
    </message>
    <message>
        <source>Импорт товаров из *.dbf</source>
        <translation>Імпорт товарів з *.dbf</translation>
    </message>
    <message>
        <source>Импорт товаров из *.csv</source>
        <translation>Імпорт товарів з *.csv</translation>
    </message>
    <message>
        <source>Импорт сообщеий из *.csv</source>
        <translation>Імпорт повідомлень з *.csv</translation>
    </message>
    <message>
        <source>Импорт товаров из файла…</source>
        <translation>Імпорт товарів з файлу…</translation>
    </message>
    <message>
        <source>Импорт сообщений из файла…</source>
        <translation>Імпорт повідомлень з файлу…</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Інструменти</translation>
    </message>
    <message>
        <source>Настройка весов</source>
        <translation>Налаштування ваг</translation>
    </message>
    <message>
        <source>Проверить данные</source>
        <translation>Перевірити дані</translation>
    </message>
    <message>
        <source>Автоматическая загрузка товаров</source>
        <translation>Автоматичне завантаження товарів</translation>
    </message>
    <message>
        <source>Создать пустую таблицю сообщений</source>
        <translation>Створити порожню таблицю повідомлень</translation>
    </message>
    <message>
        <source>Создать пуcтую таблицу товаров</source>
        <translation>Створити порожню таблицю товарів</translation>
    </message>
    <message>
        <source>Просмотр пакетов</source>
        <translation>Перегляд пакетів</translation>
    </message>
    <message>
        <source>Журнал изменений</source>
        <translation>Журнал змін</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Допомога</translation>
    </message>
    <message>
        <source>Создание пустой таблицы занимает несколько минут и уничтожает текущую базу данных. Вы действительно хотите продолжить?</source>
        <translation>Створення порожньої таблиці триває кілька хвилин і знищує поточну базу даних. Ви справді хочете продовжити?</translation>
    </message>
    <message>
        <source>Файл справки не найден:
%1</source>
        <translation>Файл довідки не знайдено:
%1</translation>
    </message>
</context>
<context>
    <name>tevo::MessagesTab</name>
    <message>
        <source>Текущее</source>
        <translation>Поточне</translation>
    </message>
    <message>
        <source>Загрузить сообщения в весы</source>
        <translation>Завантажити повідомлення у ваги</translation>
    </message>
    <message>
        <source>Считать сообщения из весов</source>
        <translation>Зчитати повідомлення з ваг</translation>
    </message>
</context>
<context>
    <name>tevo::Operations</name>
    <message>
        <source>импорт товаров из файла</source>
        <translation>імпорт товарів з файлу</translation>
    </message>
    <message>
        <source>импорт сообщений из файла</source>
        <translation>імпорт повідомлень з файлу</translation>
    </message>
    <message>
        <source>создание пустой таблицы товаров</source>
        <translation>створення порожньої таблиці товарів</translation>
    </message>
    <message>
        <source>создание пустой таблицы сообщений</source>
        <translation>створення порожньої таблиці повідомлень</translation>
    </message>
    <message>
        <source>автоматическая загрузка товаров</source>
        <translation>автоматичне завантаження товарів</translation>
    </message>
    <message>
        <source> Другая программа в это время заменяла эту же таблицу: эта дождалась конца её замены, и в таблице теперь только эти строки.</source>
        <translation> Інша програма в цей час замінювала цю саму таблицю: ця дочекалася кінця її заміни, і в таблиці тепер лише ці рядки.</translation>
    </message>
    <message>
        <source>Из %1 загружено товаров: %2.</source>
        <translation>З %1 завантажено товарів: %2.</translation>
    </message>
    <message>
        <source>Таблица товаров заменена: все товары (%1) заменены товарами из %2 (%3).</source>
        <translation>Таблицю товарів замінено: усі товари (%1) замінено товарами з %2 (%3).</translation>
    </message>
    <message>
        <source>Товары из %1 загружены.</source>
        <translation>Товари з %1 завантажено.</translation>
    </message>
    <message>
        <source>Сообщения из %1 загружены.</source>
        <translation>Повідомлення з %1 завантажено.</translation>
    </message>
    <message>
        <source>Этот формат не читается: %1</source>
        <translation>Цей формат не читається: %1</translation>
    </message>
    <message>
        <source>Товары в этот формат не записываются: %1</source>
        <translation>Товари в цей формат не записуються: %1</translation>
    </message>
    <message>
        <source>Товары записаны в %1.</source>
        <translation>Товари записано в %1.</translation>
    </message>
    <message>
        <source>Пустая таблица успешно создана!</source>
        <translation>Порожню таблицю успішно створено!</translation>
    </message>
    <message>
        <source>Пустая таблица сообщений создана: 1000 строк.</source>
        <translation>Порожню таблицю повідомлень створено: 1000 рядків.</translation>
    </message>
    <message>
        <source>Файл «%1» не загружен. %2</source>
        <translation>Файл «%1» не завантажено. %2</translation>
    </message>
    <message>
        <source>Загружено в таблицу товаров; диапазон для записи: %1</source>
        <translation>Завантажено в таблицю товарів; діапазон для запису: %1</translation>
    </message>
</context>
<context>
    <name>tevo::PacketLogWindow</name>
    <message>
        <source>Просмотр входящих пакетов</source>
        <translation>Перегляд вхідних пакетів</translation>
    </message>
</context>
<context>
    <name>tevo::ParametersTab</name>
    <message>
        <source>Загрузить настройки в весы</source>
        <translation>Завантажити налаштування у ваги</translation>
    </message>
    <message>
        <source>Считать настройки из весов</source>
        <translation>Зчитати налаштування з ваг</translation>
    </message>
    <message>
        <source>Загрузить дату и время</source>
        <translation>Завантажити дату й час</translation>
    </message>
    <message>
        <source>Формат Этикетки</source>
        <translation>Формат етикетки</translation>
    </message>
    <message>
        <source>Заголовок (название магазина)</source>
        <translation>Заголовок (назва магазину)</translation>
    </message>
    <message>
        <source>Настройка печати</source>
        <translation>Налаштування друку</translation>
    </message>
    <message>
        <source>Логотип</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Записати</translation>
    </message>
    <message>
        <source> Штрих-код </source>
        <translation> Штрих-код </translation>
    </message>
    <message>
        <source>Формат</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source> Общие </source>
        <translation> Загальні </translation>
    </message>
    <message>
        <source>Номер отдела</source>
        <translation>Номер відділу</translation>
    </message>
    <message>
        <source>Сдвиг печати</source>
        <translation>Зсув друку</translation>
    </message>
    <message>
        <source>Вес автопечати</source>
        <translation>Вага автодруку</translation>
    </message>
    <message>
        <source>Быстрый обмен</source>
        <translation>Швидкий обмін</translation>
    </message>
    <message>
        <source>Весы опрашиваются сразу после ответа, без паузы таймера</source>
        <translation>Ваги опитуються одразу після відповіді, без паузи таймера</translation>
    </message>
    <message>
        <source>Только изменённые</source>
        <translation>Лише змінені</translation>
    </message>
    <message>
        <source>Каждым весам записываются только те товары и сообщения, которых в них нет в нынешнем виде</source>
        <translation>Кожним вагам записуються лише ті товари й повідомлення, яких у них немає в теперішньому вигляді</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Язык окна и tevo-cli; меняется при следующем запуске программы</source>
        <translation>Мова вікна і tevo-cli; змінюється під час наступного запуску програми</translation>
    </message>
    <message>
        <source>Язык (после перезапуска)</source>
        <translation>Мова (після перезапуску)</translation>
    </message>
    <message>
        <source>Поддержка</source>
        <translation>Підтримка</translation>
    </message>
    <message>
        <source>Папка данных: %1</source>
        <translation>Тека даних: %1</translation>
    </message>
    <message>
        <source>Руководство: меню «Помощь» (%1)</source>
        <translation>Посібник: меню «Допомога» (%1)</translation>
    </message>
    <message>
        <source>Текущее состояние весов</source>
        <translation>Поточний стан ваг</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Вес товара</source>
        <translation>Вага товару</translation>
    </message>
    <message>
        <source>Цена товара (коп/кг)</source>
        <translation>Ціна товару (коп/кг)</translation>
    </message>
    <message>
        <source>Стоимость товара (коп)</source>
        <translation>Вартість товару (коп)</translation>
    </message>
    <message>
        <source>Номер выбранного товара</source>
        <translation>Номер вибраного товару</translation>
    </message>
    <message>
        <source>Общий итог продаж по всем товарам</source>
        <translation>Загальний підсумок продажів за всіма товарами</translation>
    </message>
    <message>
        <source>Общий вес</source>
        <translation>Загальна вага</translation>
    </message>
    <message>
        <source>Общая сумма</source>
        <translation>Загальна сума</translation>
    </message>
    <message>
        <source>Кол-во продаж</source>
        <translation>Кількість продажів</translation>
    </message>
    <message>
        <source>Общий вес по всем PLU</source>
        <translation>Загальна вага за всіма PLU</translation>
    </message>
    <message>
        <source>Сумма по всем PLU</source>
        <translation>Сума за всіма PLU</translation>
    </message>
    <message>
        <source>Кол-во продаж по всем PLU</source>
        <translation>Кількість продажів за всіма PLU</translation>
    </message>
    <message>
        <source>Счетчик пробега</source>
        <translation>Лічильник пробігу</translation>
    </message>
    <message>
        <source>Счетчик этикеток</source>
        <translation>Лічильник етикеток</translation>
    </message>
    <message>
        <source>Кол-во свободных PLU</source>
        <translation>Кількість вільних PLU</translation>
    </message>
    <message>
        <source>Кол-во свободных сообщений</source>
        <translation>Кількість вільних повідомлень</translation>
    </message>
    <message>
        <source>Выберите формат этикетки в списке &quot;Формат Этикетки&quot;.</source>
        <translation>Виберіть формат етикетки в списку &quot;Формат етикетки&quot;.</translation>
    </message>
</context>
<context>
    <name>tevo::PriceChart</name>
    <message>
        <source>Цена не менялась и не задана</source>
        <translation>Ціна не змінювалася і не задана</translation>
    </message>
</context>
<context>
    <name>tevo::ScalesDialog</name>
    <message>
        <source>В списке может быть не больше %1 весов.</source>
        <translation>У списку може бути не більше %1 ваг.</translation>
    </message>
    <message>
        <source>Недопустимое имя последовательного порта &quot;%1&quot;. Можно указать только COM0 … COM9.</source>
        <translation>Неприпустиме ім’я послідовного порту &quot;%1&quot;. Можна вказати лише COM0 … COM9.</translation>
    </message>
    <message>
        <source>Строка %1: порт «%2» недопустим. Номер порта TCP — целое число от 1 до 65535.</source>
        <translation>Рядок %1: порт «%2» неприпустимий. Номер порту TCP — ціле число від 1 до 65535.</translation>
    </message>
    <message>
        <source>Настройка весов</source>
        <translation>Налаштування ваг</translation>
    </message>
    <message>
        <source>Проверить связь</source>
        <translation>Перевірити зв’язок</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Весы</source>
        <translation>Ваги</translation>
    </message>
    <message>
        <source>Ответили</source>
        <translation>Відповіли</translation>
    </message>
    <message>
        <source>Записаны полностью</source>
        <translation>Записані повністю</translation>
    </message>
    <message>
        <source>Отстают</source>
        <translation>Відстають</translation>
    </message>
    <message>
        <source>Забыть, что в весах</source>
        <translation>Забути, що у вагах</translation>
    </message>
    <message>
        <source>Считать, что в весах текущей строки нет ни товаров, ни сообщений: «Только изменённые» запишет им всё</source>
        <translation>Вважати, що у вагах поточного рядка немає ні товарів, ні повідомлень: «Лише змінені» запише їм усе</translation>
    </message>
    <message>
        <source>Забыть, какие товары и сообщения записаны в весы «%1» (%2)? Следующая запись «Только изменённые» передаст им всё.</source>
        <translation>Забути, які товари й повідомлення записано у ваги «%1» (%2)? Наступний запис «Лише змінені» передасть їм усе.</translation>
    </message>
    <message>
        <source>Первая запись</source>
        <translation>Перший запис</translation>
    </message>
    <message>
        <source>Предыдущая запись</source>
        <translation>Попередній запис</translation>
    </message>
    <message>
        <source>Следующая запись</source>
        <translation>Наступний запис</translation>
    </message>
    <message>
        <source>Последняя запись</source>
        <translation>Останній запис</translation>
    </message>
    <message>
        <source>Вставить запись</source>
        <translation>Вставити запис</translation>
    </message>
    <message>
        <source>Удалить запись</source>
        <translation>Видалити запис</translation>
    </message>
    <message>
        <source>Изменить запись</source>
        <translation>Змінити запис</translation>
    </message>
    <message>
        <source>Сохранить изменения</source>
        <translation>Зберегти зміни</translation>
    </message>
    <message>
        <source>Отменить изменения</source>
        <translation>Скасувати зміни</translation>
    </message>
    <message>
        <source>Обновить данные</source>
        <translation>Оновити дані</translation>
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
        <translation>Використання: tevo [ПАРАМЕТР]
Вікно Tevo: товари, повідомлення й ваги магазину та обмін з вагами, що друкують етикетки,
мережею (TCP) і через COM-порт.

  -h, --help     показати цю довідку й вийти
  -v, --version  показати версію й вийти

База даних і файли налаштувань лежать у теці даних: у кожного користувача своя,
~/.local/share/Tevo (або тека самої програми, якщо в неї можна писати).
Той самий обмін без вікна: tevo-cli --help. Посібник: меню «Допомога» або
/usr/share/tevo/help/index.html.
</translation>
    </message>
</context>
<context>
    <name>tevo::TableGrid</name>
    <message>
        <source>удаление записи</source>
        <translation>видалення запису</translation>
    </message>
</context>
<context>
    <name>tevo::TableModel</name>
    <message>
        <source>Столбец «%1»: %2. Значение не сохранено: исправьте его или нажмите Esc.</source>
        <translation>Стовпець «%1»: %2. Значення не збережено: виправте його або натисніть Esc.</translation>
    </message>
</context>
<context>
    <name>tevo::TabularAutoLoad</name>
    <message>
        <source>В файле «%1» нет строк для загрузки.</source>
        <translation>У файлі «%1» немає рядків для завантаження.</translation>
    </message>
    <message>
        <source>Строк, которые нельзя сохранить: %1. Первая: %2</source>
        <translation>Рядків, які не можна зберегти: %1. Перший: %2</translation>
    </message>
</context>
<context>
    <name>tevo::TabularImport</name>
    <message>
        <source>В файле «%1» нет листа «%2»; листы: %3.</source>
        <translation>У файлі «%1» немає аркуша «%2»; аркуші: %3.</translation>
    </message>
    <message>
        <source>нет ни одного</source>
        <translation>жодного</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(порожньо)</translation>
    </message>
</context>
<context>
    <name>tevo::TransferTab</name>
    <message>
        <source>Сверить с весами</source>
        <translation>Звірити з вагами</translation>
    </message>
    <message>
        <source>Считать диапазон из выбранных весов и сравнить с базой, ничего не меняя</source>
        <translation>Зчитати діапазон з вибраних ваг і порівняти з базою, нічого не змінюючи</translation>
    </message>
</context>
<context>
    <name>tevo::TrayIcon</name>
    <message>
        <source>Tevo версия 1.6</source>
        <translation>Tevo версія 1.6</translation>
    </message>
    <message>
        <source>Програма</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Настройка весов</source>
        <translation>Налаштування ваг</translation>
    </message>
    <message>
        <source>Автозагрузка</source>
        <translation>Автозавантаження</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>tevo::VerifyWindow</name>
    <message>
        <source>Весы</source>
        <translation>Ваги</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>Що</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>В базе</source>
        <translation>У базі</translation>
    </message>
    <message>
        <source>В весах</source>
        <translation>У вагах</translation>
    </message>
    <message>
        <source>Сверка с весами</source>
        <translation>Звірка з вагами</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Зберегти CSV…</translation>
    </message>
    <message>
        <source>Сохранить расхождения</source>
        <translation>Зберегти розбіжності</translation>
    </message>
    <message>
        <source>Файл %1 не записан: %2</source>
        <translation>Файл %1 не записано: %2</translation>
    </message>
</context>
<context>
    <name>tevo::cli::Arguments</name>
    <message>
        <source>Использование: tevo-cli КОМАНДА [ПАРАМЕТРЫ]
Обмен с весами и файлами без окна Tevo, на той же базе данных.

Команды:
</source>
        <translation>Використання: tevo-cli КОМАНДА [ПАРАМЕТРИ]
Обмін з вагами й файлами без вікна Tevo, на тій самій базі даних.

Команди:
</translation>
    </message>
    <message>
        <source>
Общие параметры:
</source>
        <translation>
Загальні параметри:
</translation>
    </message>
    <message>
        <source>
Статус выхода: 0 — все весы сделали всё; 3 — какие-то весы отказались или не ответили;
2 — неверный ввод (диапазон, файл, весы); 1 — другая ошибка (база данных, файловая система).

tevo-cli КОМАНДА --help — справка по команде.
</source>
        <translation>
Статус виходу: 0 — усі ваги зробили все; 3 — якісь ваги відмовилися або не відповіли;
2 — неправильне введення (діапазон, файл, ваги); 1 — інша помилка (база даних, файлова система).

tevo-cli КОМАНДА --help — довідка щодо команди.
</translation>
    </message>
    <message>
        <source>Использование: %1
%2.
</source>
        <translation>Використання: %1
%2.
</translation>
    </message>
    <message>
        <source>
Параметры:
</source>
        <translation>
Параметри:
</translation>
    </message>
    <message>
        <source>у параметра %1 нет значения</source>
        <translation>параметр %1 не має значення</translation>
    </message>
    <message>
        <source>неизвестная команда «%1» (список команд: tevo-cli --help)</source>
        <translation>невідома команда «%1» (список команд: tevo-cli --help)</translation>
    </message>
    <message>
        <source>параметр %1 пишется без значения</source>
        <translation>параметр %1 пишеться без значення</translation>
    </message>
    <message>
        <source>--timeout %1: нужно число секунд от 0 до 86400</source>
        <translation>--timeout %1: потрібне число секунд від 0 до 86400</translation>
    </message>
    <message>
        <source>у команды %1 нет параметра %2 (tevo-cli %1 --help)</source>
        <translation>команда %1 не має параметра %2 (tevo-cli %1 --help)</translation>
    </message>
    <message>
        <source>неизвестный параметр %1 (tevo-cli --help)</source>
        <translation>невідомий параметр %1 (tevo-cli --help)</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>параметр %1 вказано двічі</translation>
    </message>
    <message>
        <source>не указана команда (список команд: tevo-cli --help)</source>
        <translation>не вказано команду (список команд: tevo-cli --help)</translation>
    </message>
    <message>
        <source>команде %1 нужно: %2 (tevo-cli %1 --help)</source>
        <translation>команді %1 потрібно: %2 (tevo-cli %1 --help)</translation>
    </message>
    <message>
        <source>ничего, кроме параметров</source>
        <translation>нічого, крім параметрів</translation>
    </message>
    <message>
        <source>%1 %2: можно %3</source>
        <translation>%1 %2: можна %3</translation>
    </message>
    <message>
        <source>команде %1 нужен параметр %2 %3</source>
        <translation>команді %1 потрібен параметр %2 %3</translation>
    </message>
</context>
<context>
    <name>tevo::cli::Help</name>
    <message>
        <source>номера, как в поле «Диапазон для загрузки»: &quot;1-5, 7-8&quot;</source>
        <translation>номери, як у полі «Діапазон для завантаження»: &quot;1-5, 7-8&quot;</translation>
    </message>
    <message>
        <source>весы через запятую: номер строки списка весов или название (по умолчанию — отмеченные «Исп.»)</source>
        <translation>ваги через кому: номер рядка списку ваг або назва (типово — позначені «Вик.»)</translation>
    </message>
    <message>
        <source>одни весы: номер строки списка весов или название</source>
        <translation>одні ваги: номер рядка списку ваг або назва</translation>
    </message>
    <message>
        <source>только изменённые: каждым весам — лишь те записи, которых в них нет в нынешнем виде</source>
        <translation>лише змінені: кожним вагам — тільки ті записи, яких у них немає в теперішньому вигляді</translation>
    </message>
    <message>
        <source>список весов</source>
        <translation>список ваг</translation>
    </message>
    <message>
        <source>Показывает таблицу весов: номер строки, «Исп.», «Вкл.», название, IP/COM, порт или скорость, группы.</source>
        <translation>Показує таблицю ваг: номер рядка, «Вик.», «Увімк.», назва, IP/COM, порт або швидкість, групи.</translation>
    </message>
    <message>
        <source>проверка связи (как «Проверить связь»)</source>
        <translation>перевірка зв’язку (як «Перевірити зв’язок»)</translation>
    </message>
    <message>
        <source>Опрашивает все весы списка. Ответившие отмечаются «Вкл.», у всех весов снимается «Исп.», как после кнопки «Проверить связь».
Статус 3, если ответили не все весы.</source>
        <translation>Опитує всі ваги списку. Ті, що відповіли, позначаються «Увімк.», з усіх ваг знімається «Вик.», як після кнопки «Перевірити зв’язок».
Статус 3, якщо відповіли не всі ваги.</translation>
    </message>
    <message>
        <source>записать товары в весы</source>
        <translation>записати товари у ваги</translation>
    </message>
    <message>
        <source>Без --range записываются все строки таблицы товаров.</source>
        <translation>Без --range записуються всі рядки таблиці товарів.</translation>
    </message>
    <message>
        <source>считать товары из одних весов</source>
        <translation>зчитати товари з одних ваг</translation>
    </message>
    <message>
        <source>Номера, которых нет в весах, пропускаются (в отчёте: «нет в весах»); это не ошибка.</source>
        <translation>Номери, яких немає у вагах, пропускаються (у звіті: «немає у вагах»); це не помилка.</translation>
    </message>
    <message>
        <source>записать сообщения в весы</source>
        <translation>записати повідомлення у ваги</translation>
    </message>
    <message>
        <source>Без --range записываются все строки таблицы сообщений.</source>
        <translation>Без --range записуються всі рядки таблиці повідомлень.</translation>
    </message>
    <message>
        <source>считать сообщения из одних весов</source>
        <translation>зчитати повідомлення з одних ваг</translation>
    </message>
    <message>
        <source>сверить товары или сообщения с весами (как «Сверить с весами»)</source>
        <translation>звірити товари або повідомлення з вагами (як «Звірити з вагами»)</translation>
    </message>
    <message>
        <source>Считывает диапазон из каждых весов и сравнивает с базой поле за полем; таблицы не меняются. Выводит расхождения: номер, что с ним, поле, значение в базе и в весах.
Статус 3, если какие-то весы расходятся с базой или ответили не на всё.</source>
        <translation>Зчитує діапазон з кожних ваг і порівнює з базою поле за полем; таблиці не змінюються. Виводить розбіжності: номер, що з ним, поле, значення в базі та у вагах.
Статус 3, якщо якісь ваги розходяться з базою або відповіли не на все.</translation>
    </message>
    <message>
        <source>дата и время компьютера в весы</source>
        <translation>дата й час комп’ютера у ваги</translation>
    </message>
    <message>
        <source>файл настроек (как его пишет read-settings --to)</source>
        <translation>файл налаштувань (як його пише read-settings --to)</translation>
    </message>
    <message>
        <source>настройки и заголовок магазина в весы</source>
        <translation>налаштування й заголовок магазину у ваги</translation>
    </message>
    <message>
        <source>Передаёт настройки печати и заголовок магазина, как кнопка «Загрузить настройки в весы». Логотип из файла здесь не передаётся: для него write-logo --image FILE.</source>
        <translation>Передає налаштування друку й заголовок магазину, як кнопка «Завантажити налаштування у ваги». Логотип з файлу тут не передається: для нього write-logo --image FILE.</translation>
    </message>
    <message>
        <source>записать файл настроек (без --to он выводится на стандартный вывод)</source>
        <translation>записати файл налаштувань (без --to він виводиться на стандартний вивід)</translation>
    </message>
    <message>
        <source>настройки, заголовок и логотип из одних весов</source>
        <translation>налаштування, заголовок і логотип з одних ваг</translation>
    </message>
    <message>
        <source>Файл пишется, только если весы передали всё: настройки, заголовок и логотип.</source>
        <translation>Файл пишеться, лише якщо ваги передали все: налаштування, заголовок і логотип.</translation>
    </message>
    <message>
        <source>рисунок (BMP, PNG, …) или файл настроек с разделом [Logo]</source>
        <translation>малюнок (BMP, PNG, …) або файл налаштувань з розділом [Logo]</translation>
    </message>
    <message>
        <source>логотип в одни весы</source>
        <translation>логотип в одні ваги</translation>
    </message>
    <message>
        <source>Рисунок уменьшается до 64 × 64 точек, как на вкладке «Параметры»: белое остаётся пустым, любой другой цвет печатается.</source>
        <translation>Малюнок зменшується до 64 × 64 точок, як на вкладці «Параметри»: біле лишається порожнім, будь-який інший колір друкується.</translation>
    </message>
    <message>
        <source>текущее состояние весов</source>
        <translation>поточний стан ваг</translation>
    </message>
    <message>
        <source>общий итог продаж</source>
        <translation>загальний підсумок продажів</translation>
    </message>
    <message>
        <source>какой столбец файла что заполняет: &quot;PLU=Код,TNAME1=Наименование,PRICE=Цена:грн&quot; (goods, messages)</source>
        <translation>який стовпець файлу що заповнює: &quot;PLU=Код,TNAME1=Найменування,PRICE=Ціна:грн&quot; (goods, messages)</translation>
    </message>
    <message>
        <source>лист книги Excel (goods, messages)</source>
        <translation>аркуш книги Excel (goods, messages)</translation>
    </message>
    <message>
        <source>кодировка текстового файла: utf-8, cp1251, cp866, utf-16 (goods, messages)</source>
        <translation>кодування текстового файлу: utf-8, cp1251, cp866, utf-16 (goods, messages)</translation>
    </message>
    <message>
        <source>только показать, что будет сохранено, и строки с ошибками; ничего не менять</source>
        <translation>лише показати, що буде збережено, і рядки з помилками; нічого не змінювати</translation>
    </message>
    <message>
        <source>импорт товаров (txt, dbf, goods-csv, goods) или сообщений (messages-csv, messages)</source>
        <translation>імпорт товарів (txt, dbf, goods-csv, goods) або повідомлень (messages-csv, messages)</translation>
    </message>
    <message>
        <source>Как команды меню «Файл»: txt и goods-csv меняют названные строки, dbf заменяет всю таблицу товаров, messages-csv меняет строки сообщений.
goods и messages — как окно «Импорт товаров из файла…»: CSV или TXT (разделитель и кодировка находятся сами), Excel (.xlsx, .xls) или dBase; столбцы сопоставляются по заголовку, по --map или по сопоставлению, запомненному окном для такого имени файла. Цена — в гривнах, если заголовок или --map (:коп) не говорит о копейках. Файл, в котором есть хоть одна строка, которую нельзя сохранить, не меняет ничего (статус 2).</source>
        <translation>Як команди меню «Файл»: txt і goods-csv змінюють названі рядки, dbf замінює всю таблицю товарів, messages-csv змінює рядки повідомлень.
goods і messages — як вікно «Імпорт товарів з файлу…»: CSV або TXT (роздільник і кодування визначаються самі), Excel (.xlsx, .xls) або dBase; стовпці зіставляються за заголовком, за --map або за зіставленням, запам’ятованим вікном для такого імені файлу. Ціна — в гривнях, якщо заголовок або --map (:коп) не каже про копійки. Файл, у якому є хоч один рядок, який не можна зберегти, не змінює нічого (статус 2).</translation>
    </message>
    <message>
        <source>экспорт товаров в txt, dbf, xls или xlsx</source>
        <translation>експорт товарів у txt, dbf, xls або xlsx</translation>
    </message>
    <message>
        <source>Как в меню «Файл»: к имени без «.txt» («.dbf», «.xls», «.xlsx») расширение добавляется.</source>
        <translation>Як у меню «Файл»: до імені без «.txt» («.dbf», «.xls», «.xlsx») розширення додається.</translation>
    </message>
    <message>
        <source>пустая таблица товаров (4000 строк) или сообщений (1000 строк)</source>
        <translation>порожня таблиця товарів (4000 рядків) або повідомлень (1000 рядків)</translation>
    </message>
    <message>
        <source>Как «Создать пустую таблицу товаров» и «… сообщений», без вопроса.</source>
        <translation>Як «Створити порожню таблицю товарів» і «… повідомлень», без запитання.</translation>
    </message>
    <message>
        <source>проверка данных таблицы товаров</source>
        <translation>перевірка даних таблиці товарів</translation>
    </message>
    <message>
        <source>Как «Проверить данные». Статус 2, если найдена строка с ошибками.</source>
        <translation>Як «Перевірити дані». Статус 2, якщо знайдено рядок з помилками.</translation>
    </message>
    <message>
        <source>сначала очистить таблицу товаров и записать все 4000 номеров («Затирать незаполненные товары»)</source>
        <translation>спершу очистити таблицю товарів і записати всі 4000 номерів («Затирати незаповнені товари»)</translation>
    </message>
    <message>
        <source>автоматическая загрузка файла товаров и запись в весы</source>
        <translation>автоматичне завантаження файлу товарів і запис у ваги</translation>
    </message>
    <message>
        <source>Один раз делает то же, что автоматическая загрузка: отмечает «Исп.» те весы, что ответили при последней проверке связи, загружает файл товаров в таблицу и записывает загруженные номера в эти весы. Файл AutoLoad.ini не меняется.
Файл — текстовый файл товаров или таблица другой программы (CSV, TXT, Excel, dBase), столбцы которой сопоставлены по сопоставлению, запомненному для такого имени файла.</source>
        <translation>Один раз робить те саме, що автоматичне завантаження: позначає «Вик.» ті ваги, що відповіли під час останньої перевірки зв’язку, завантажує файл товарів у таблицю й записує завантажені номери в ці ваги. Файл AutoLoad.ini не змінюється.
Файл — текстовий файл товарів або таблиця іншої програми (CSV, TXT, Excel, dBase), стовпці якої зіставлені за зіставленням, запам’ятованим для такого імені файлу.</translation>
    </message>
    <message>
        <source>номер товара (сообщения)</source>
        <translation>номер товару (повідомлення)</translation>
    </message>
    <message>
        <source>дата: ГГГГ-ММ-ДД или ДД.ММ.ГГГГ, можно со временем ЧЧ:ММ (по умолчанию — сейчас)</source>
        <translation>дата: РРРР-ММ-ДД або ДД.ММ.РРРР, можна з часом ГГ:ХХ (типово — зараз)</translation>
    </message>
    <message>
        <source>начало периода (с начала этого дня)</source>
        <translation>початок періоду (з початку цього дня)</translation>
    </message>
    <message>
        <source>конец периода (до конца этого дня; по умолчанию — сейчас)</source>
        <translation>кінець періоду (до кінця цього дня; типово — зараз)</translation>
    </message>
    <message>
        <source>lowest: за сколько дней (по умолчанию 30); keep: сколько дней хранить журнал</source>
        <translation>lowest: за скільки днів (типово 30); keep: скільки днів зберігати журнал</translation>
    </message>
    <message>
        <source>весы: номер строки списка весов или название</source>
        <translation>ваги: номер рядка списку ваг або назва</translation>
    </message>
    <message>
        <source>journal: правка, импорт, автозагрузка, чтение из весов, пустая таблица</source>
        <translation>journal: правка, импорт, автозагрузка, чтение из весов, пустая таблица (назви джерел пишуться так)</translation>
    </message>
    <message>
        <source>сохранить ответ в книгу Excel</source>
        <translation>зберегти відповідь у книгу Excel</translation>
    </message>
    <message>
        <source>сохранить ответ в CSV (через «;»)</source>
        <translation>зберегти відповідь у CSV (через «;»)</translation>
    </message>
    <message>
        <source>история цен и того, что получили весы</source>
        <translation>історія цін і того, що отримали ваги</translation>
    </message>
    <message>
        <source>goods и messages --number N: изменения записи и её доставки в весы по времени.
price --number N --date D: цена товара на дату.
lowest --date D [--days 30] [--number N]: наименьшая цена за дни перед датой (для ценника скидки).
revaluations --from D --to D: переоценка за период (номер, наименование, старая и новая цена, когда, источник).
printed --scale S --from D --to D: какие цены были в весах за период.
journal [--from --to --number --source --scale]: записи журнала изменений.
keep [--days N]: сколько дней хранится журнал (по умолчанию 1096).</source>
        <translation>goods і messages --number N: зміни запису та його доставки у ваги за часом.
price --number N --date D: ціна товару на дату.
lowest --date D [--days 30] [--number N]: найнижча ціна за дні перед датою (для цінника знижки).
revaluations --from D --to D: переоцінка за період (номер, найменування, стара й нова ціна, коли, джерело).
printed --scale S --from D --to D: які ціни були у вагах за період.
journal [--from --to --number --source --scale]: записи журналу змін.
keep [--days N]: скільки днів зберігається журнал (типово 1096).</translation>
    </message>
    <message>
        <source>файл базы данных (по умолчанию TevoDataBase.gdb в папке данных программы)</source>
        <translation>файл бази даних (типово TevoDataBase.gdb у теці даних програми)</translation>
    </message>
    <message>
        <source>весы, молчащие столько секунд, выбывают из обмена (по умолчанию 30; 0 — ждать без конца)</source>
        <translation>ваги, що мовчать стільки секунд, вибувають з обміну (типово 30; 0 — чекати без кінця)</translation>
    </message>
    <message>
        <source>быстрый обмен: ответившие весы опрашиваются сразу</source>
        <translation>швидкий обмін: ваги, що відповіли, опитуються одразу</translation>
    </message>
    <message>
        <source>отчёт в виде JSON на стандартный вывод</source>
        <translation>звіт у вигляді JSON на стандартний вивід</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>ця довідка</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>версія програми</translation>
    </message>
</context>
<context>
    <name>tevo::cli::Runner</name>
    <message>
        <source>неизвестная команда «%1»</source>
        <translation>невідома команда «%1»</translation>
    </message>
    <message>
        <source>нет файла базы данных %1</source>
        <translation>немає файлу бази даних %1</translation>
    </message>
    <message>
        <source>--fast: быстрого обмена в этой сборке ещё нет</source>
        <translation>--fast: швидкого обміну в цій збірці ще немає</translation>
    </message>
    <message>
        <source>в списке весов «%1» пустое место</source>
        <translation>у списку ваг «%1» порожнє місце</translation>
    </message>
    <message>
        <source>весов № %1 нет: в списке весов %2 строк</source>
        <translation>ваг № %1 немає: у списку ваг %2 рядків</translation>
    </message>
    <message>
        <source>весов «%1» нет в списке весов (есть: %2)</source>
        <translation>ваг «%1» немає у списку ваг (є: %2)</translation>
    </message>
    <message>
        <source>никаких</source>
        <translation>жодних</translation>
    </message>
    <message>
        <source>весы «%1» — это строки %2 списка весов: укажите номер строки</source>
        <translation>ваги «%1» — це рядки %2 списку ваг: вкажіть номер рядка</translation>
    </message>
    <message>
        <source>прервано: обмен прекращён</source>
        <translation>перервано: обмін припинено</translation>
    </message>
    <message>
        <source>да</source>
        <translation>так</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Ответили</source>
        <translation>Відповіли</translation>
    </message>
    <message>
        <source>Записаны полностью</source>
        <translation>Записані повністю</translation>
    </message>
    <message>
        <source>Отстают</source>
        <translation>Відстають</translation>
    </message>
    <message>
        <source>параметр %1 — для import goods и import messages</source>
        <translation>параметр %1 — для import goods та import messages</translation>
    </message>
    <message>
        <source>отвечает</source>
        <translation>відповідає</translation>
    </message>
    <message>
        <source>не отвечает</source>
        <translation>не відповідає</translation>
    </message>
    <message>
        <source>таблица товаров пуста</source>
        <translation>таблиця товарів порожня</translation>
    </message>
    <message>
        <source>таблица сообщений пуста</source>
        <translation>таблиця повідомлень порожня</translation>
    </message>
    <message>
        <source>, %1: в базе «%2», в весах «%3»</source>
        <translation>, %1: у базі «%2», у вагах «%3»</translation>
    </message>
    <message>
        <source>Настройки записаны в %1.</source>
        <translation>Налаштування записано в %1.</translation>
    </message>
    <message>
        <source>%1: это не рисунок и не файл настроек с разделом [Logo]</source>
        <translation>%1: це не малюнок і не файл налаштувань з розділом [Logo]</translation>
    </message>
    <message>
        <source>Счетчик пробега</source>
        <translation>Лічильник пробігу</translation>
    </message>
    <message>
        <source>Счетчик этикеток</source>
        <translation>Лічильник етикеток</translation>
    </message>
    <message>
        <source>Общая сумма</source>
        <translation>Загальна сума</translation>
    </message>
    <message>
        <source>Кол-во продаж</source>
        <translation>Кількість продажів</translation>
    </message>
    <message>
        <source>Общий вес</source>
        <translation>Загальна вага</translation>
    </message>
    <message>
        <source>Сумма по всем PLU</source>
        <translation>Сума за всіма PLU</translation>
    </message>
    <message>
        <source>Кол-во продаж по всем PLU</source>
        <translation>Кількість продажів за всіма PLU</translation>
    </message>
    <message>
        <source>Общий вес по всем PLU</source>
        <translation>Загальна вага за всіма PLU</translation>
    </message>
    <message>
        <source>Кол-во свободных PLU</source>
        <translation>Кількість вільних PLU</translation>
    </message>
    <message>
        <source>Кол-во свободных сообщений</source>
        <translation>Кількість вільних повідомлень</translation>
    </message>
    <message>
        <source>Вес товара: %1</source>
        <translation>Вага товару: %1</translation>
    </message>
    <message>
        <source>Цена товара (коп/кг): %1</source>
        <translation>Ціна товару (коп/кг): %1</translation>
    </message>
    <message>
        <source>Стоимость товара (коп): %1</source>
        <translation>Вартість товару (коп): %1</translation>
    </message>
    <message>
        <source>Номер выбранного товара: %1</source>
        <translation>Номер вибраного товару: %1</translation>
    </message>
    <message>
        <source>Не выбраны ни одни весы! При последней проверке связи не ответили ни одни весы; товары загружены только в таблицу.</source>
        <translation>Не вибрано жодних ваг! Під час останньої перевірки зв’язку не відповіли жодні ваги; товари завантажено лише в таблицю.</translation>
    </message>
    <message>
        <source>--encoding %1: неизвестная кодировка (можно: %2)</source>
        <translation>--encoding %1: невідоме кодування (можна: %2)</translation>
    </message>
    <message>
        <source>Файл «%1»%2%3; сопоставление столбцов: %4</source>
        <translation>Файл «%1»%2%3; зіставлення стовпців: %4</translation>
    </message>
    <message>
        <source>, лист «%1»</source>
        <translation>, аркуш «%1»</translation>
    </message>
    <message>
        <source>, кодировка %1</source>
        <translation>, кодування %1</translation>
    </message>
    <message>
        <source>  … всего строк для сохранения: %1</source>
        <translation>  … усього рядків для збереження: %1</translation>
    </message>
    <message>
        <source>Предупреждение: </source>
        <translation>Попередження: </translation>
    </message>
    <message>
        <source>Строки, которые нельзя сохранить (%1):</source>
        <translation>Рядки, які не можна зберегти (%1):</translation>
    </message>
    <message>
        <source>Пробный прогон: таблица не изменена; будет сохранено строк: %1.</source>
        <translation>Пробний прогін: таблицю не змінено; буде збережено рядків: %1.</translation>
    </message>
    <message>
        <source>Пробный прогон: таблица не изменена; такой файл не будет сохранён.</source>
        <translation>Пробний прогін: таблицю не змінено; такий файл не буде збережено.</translation>
    </message>
    <message>
        <source>Импорт не выполнен, таблица не изменена: %1</source>
        <translation>Імпорт не виконано, таблицю не змінено: %1</translation>
    </message>
    <message>
        <source>в файле «%1» нет строк для импорта.</source>
        <translation>у файлі «%1» немає рядків для імпорту.</translation>
    </message>
    <message>
        <source>строк, которые нельзя сохранить, %1.</source>
        <translation>рядків, які не можна зберегти, %1.</translation>
    </message>
    <message>
        <source>history %1: нужен %2</source>
        <translation>history %1: потрібен %2</translation>
    </message>
    <message>
        <source>%1: «%2» — не число больше нуля</source>
        <translation>%1: «%2» — не число, більше за нуль</translation>
    </message>
    <message>
        <source>Журнал изменений хранится %1 дн.; в нём записей: %2.</source>
        <translation>Журнал змін зберігається %1 дн.; у ньому записів: %2.</translation>
    </message>
    <message>
        <source>Товар %1 на %2: без цены.</source>
        <translation>Товар %1 на %2: без ціни.</translation>
    </message>
    <message>
        <source>Цена товара %1 на %2: %3 коп.</source>
        <translation>Ціна товару %1 на %2: %3 коп.</translation>
    </message>
    <message>
        <source>История</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>Когда</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>Що</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Було</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Кто, откуда</source>
        <translation>Хто, звідки</translation>
    </message>
    <message>
        <source>в весы</source>
        <translation>у ваги</translation>
    </message>
    <message>
        <source>history printed: нужен --scale</source>
        <translation>history printed: потрібен --scale</translation>
    </message>
    <message>
        <source>--source: «%1» — нет такого источника</source>
        <translation>--source: «%1» — немає такого джерела</translation>
    </message>
</context>
</TS>
