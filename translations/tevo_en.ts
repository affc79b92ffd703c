<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
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
    <name>tevo::DataCheck</name>
    <message>
        <source>Проверка данных завершена успешно. Ошибок не обнаружено</source>
        <translation>Data check completed successfully. No errors found</translation>
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
