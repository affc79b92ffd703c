<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru_RU">
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
    <name>tevo::DataCheck</name>
    <message>
        <source>Проверка данных завершена успешно. Ошибок не обнаружено</source>
        <translation>Перевірку даних успішно завершено. Помилок не виявлено</translation>
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
