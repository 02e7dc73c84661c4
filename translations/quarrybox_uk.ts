<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Зображення %1 неможливо показати: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: неможливо прочитати (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: неможливо записати (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: неможливо прочитати</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: неможливо зберегти на диск (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>неможливо записати %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>помилка запису (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>неможливо замінити (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>неможливо записати (%1), а інші жорсткі посилання на файл не дають його замінити</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>неможливо записати (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>неможливо зберегти (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>неможливо замінити файл (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>неможливо записати таблицю рекордів за зміщенням %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>стартовий екран</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>ігрове тло</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>екран кінця гри</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>рівень %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: не звичайний файл</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: неможливо відкрити файл (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: ділянка гри (зміщення %2, розмір %3) лежить поза файлом (розмір файлу %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>зображення «%1» має невідомий тип %2 (1 — JPEG, 2 — BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>зображення «%1» завелике (%2 байт, межа — %3 байт)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>файл неповний (обрізаний): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>неможливо перейти до зміщення %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>помилка читання за зміщенням %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>несподіваний кінець файлу</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>таблиця зміщень рівнів (усього %1) виходить за кінець файлу (вона закінчується на зміщенні %2, розмір файлу %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>зміщення таблиці рекордів %1 вказує всередину заголовка (записи починаються з %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>таблиця рекордів виходить за кінець файлу (зміщення %1, довжина %2, розмір файлу %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>він закороткий для заголовка гри (потрібно %1 байт, розмір файлу %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>зміщення %2 запису «%1» вказує всередину заголовка (записи починаються з %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>заголовок запису «%1» виходить за кінець файлу (зміщення %2, розмір файлу %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>запис «%1» виходить за кінець файлу (зміщення %2, довжина %3, розмір файлу %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>запис «%1» виходить за кінець файлу</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: неможливо записати зображення «%2» (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>найбільша кількість рівнів у грі — %1, а в цій — %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>зображення «%1» має тип %2; зберігаються лише JPEG (1) і BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>помилка запису за зміщенням %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>неможливо прочитати зображення «%1» (%2) (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>зображення «%1» (%2) завелике (%3 байт)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>зображення «%1» (%2) прочитано не повністю (%3 з %4 байт: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>файл став коротшим</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>гра більша за 4 ГіБ, зміщення так далеко не сягають</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>неможливо повернутися до таблиці зміщень (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (гра з байта %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: це не таблиця рекордів; файл залишено як є</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: не 64-бітна програма ELF (little-endian)</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: таблиця секцій лежить поза файлом</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: не містить гри</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: середовище виконання обрізане</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: не вдалося записати гру назад</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: неможливо створити файл (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: помилка запису (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>«%1» немає (рівнів у грі: %2)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: рівня %2 немає</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Титульне зображення неможливо показати: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Відкрити гру</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Відкрити &amp;недавню</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Ігри...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Завантажити ще ігри</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Створити гру</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Редагувати гру</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Створити EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>З&amp;берегти гру</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Зберегти гру &amp;як</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Почати гру</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Зупинити гру</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Рекорди</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Звук увімкнено</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Розмір</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Теми довідки</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Звичайний</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Подвійний</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>По&amp;трійний</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;На весь екран</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>колірних площин: %1</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>бітів на піксель: %1</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>стиснення BMP %1 при %2 біт на піксель</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>розмір %1 x %2 пікселів</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>таблиця кольорів із %1 елементів для %2-бітних пікселів</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>таблиця кольорів або пікселі лежать поза файлом (дані за зміщенням %1, розмір файлу %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>піксельні дані обрізані (%1 байт на %2 x %3 пікселів по %4 біт)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>не зображення BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>заголовок BMP завдовжки %1 байт</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>заголовок виходить за кінець файлу</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>його файл не вдалося прочитати</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>його неможливо закодувати в прямому положенні</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>неможливо прочитати (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>неможливо перевернути в пряме положення (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>неможливо записати в %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>зображення (%1 x %2 пікселів)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>розмір сітки %1, клітинок при ньому не виходить</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 менше за сітку з клітинок по %2 пікселів</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, поділене сіткою %2, дає клітинки %3 x %4 пікселів, а клітинка має бути щонайменше 1 піксель у кожен бік</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 відсутній або не є звичайним файлом</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>неможливо прочитати %1: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>зображення невідомого типу (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>зображення завелике (%1 байт, межа — %2 байт)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>зображення невідомого типу (не JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>зображення завелике (%1 x %2 пікселів, межа — %3 Мпікс)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>зображення завелике (для декодування потрібно %1 МБ, межа — %2 МБ)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>зображення пошкоджене (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>у зображенні більше закодованих даних, ніж потрібно його пікселям (понад %1 байт на %2 x %3 пікселів)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>немає зображення, лише таблиці</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>бракує пам’яті на %1 x %2 пікселів</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>у зображенні понад %1 сканів, стільки не пише жодна камера чи програма; кожен був би проходом по всьому зображенню</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>зображення декодувалося б надто довго: його скани проходять понад %1 блоків 8 x 8 пікселів, кожен скан знову по всьому зображенню</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>зображення перестало бути потрібним до того, як його декодовано</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>неможливо декодувати (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>неможливо скопіювати в %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>неможливо перетворити на %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>такого файлу немає</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>формат зображення не підтримується</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>завелике (%1 x %2 пікселів)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Це зображення не додано:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Ці зображення не додано:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Натисніть</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>ПРОБІЛ</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>ПАУЗА</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>продовжити: P або стрілка вгору</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Про Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Гра з падаючими блоками, у якій кожен рівень відкриває картинку.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Не задано зображення стартового екрана!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Не задано зображення ігрового тла!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Не задано зображення кінця гри!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Не задано жодного рівня!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Відкрити зображення</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Відкрити зображення</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>це не файл.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>його назва — не текст у UTF-8, тому відкрити його можна лише під час запуску з цією назвою.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>такого файлу немає.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Неможливо відкрити гру «%1»: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Зберегти гру?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Підтвердження перезапису</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Перезаписати наявну гру?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>«Створити EXE» бере збережений файл гри: спершу відкрийте або збережіть гру.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Неможливо створити файл Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Підтвердження перезапису</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Файл гри</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>буде перезаписано.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>Для «Створити EXE» потрібне середовище виконання окремих ігор, а його немає: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Помилка запису на диск!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Гру з назвою:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>щойно створено!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Порожня гра</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Зупинити гру</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Справді зупинити поточну гру?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>«%1» — гра, створена командою «Створити EXE»: це окрема програма. Запустіть її, щоб грати.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>«%1» — не гра, а файл типу «%2».</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Неактивна]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Пауза]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Завантаження зображення...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>його зображення неможливо поділити на клітинки</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Рівень %1 з %2 неможливо показати: %3. Рівень пропущено.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Рекорди зберігаються до завершення програми, але зберегти їх не вдалося: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>До %1 неможливо записувати, тому рекорди зберігаються лише для вас, у %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; рекорди зберігаються в %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; рекорди втрачено: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Ігри</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Встановлені</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Ваші ігри</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Недавні</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Читання...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 рівень</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>Рівнів: %1</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, рекорд %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, рекордів немає</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Додати клавішу</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Очистити клавіші</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Типово</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Повернути (і продовжити після паузи)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Клавіша «вниз»</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Почати гру або наступний рівень</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Пауза й продовження</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Натисніть клавішу для «%1» (Escape — скасувати).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 зайнята в меню для «%2»: виберіть іншу клавішу.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 вже є клавішею для «%2»: виберіть іншу клавішу або спершу очистьте її там.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>«%1» не має клавіші: додайте її або виберіть «Типово».</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Очки: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Стрілка вниз</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Повернути ліворуч</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Стрілка вгору (поворот)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>За годинниковою стрілкою</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Проти годинникової стрілки</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Звук руху</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> мс</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>&amp;Швидко падати, поки натиснута</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Стрілки ліворуч і праворуч</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Один стовпчик за натискання</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Ковзати, поки натиснута</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Затримка:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Інтервал:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Показувати, куди впаде фігура</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Гучність:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>Кла&amp;віші...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Рівні не задано!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>видно</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>приховано</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Редактор Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Зображення не додано</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Рівень %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Рівень %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Підтвердження видалення</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Справді видалити поточний рівень?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Приховувати зображення поточного рівня під час редагування</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Показувати зображення поточного рівня під час редагування</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Сітка %1 x %2, клітинки %3 x %4 пікселів</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Рівні</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Зображення стартового екрана</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Зображення ігрового тла</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Зображення кінця гри</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Рамка поля</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Рамка очок</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Рамка наступної</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Вписати</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Показ</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Додати нові рівні</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Вставити рівні перед поточним</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Видалити поточний рівень</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Порядок рівнів:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Нижче</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Посунути поточний рівень на одне місце нижче</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Вище</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Посунути поточний рівень на одне місце вище</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Перехід:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Перший рівень</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Попередній рівень</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Наступний рівень</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Останній рівень</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Поточний рівень  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Усього рівнів:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Сітка:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- дрібна</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Вибрати сітку</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>велика -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Рівні, останній угорі: виберіть рівень, щоб його редагувати; перетягніть сюди зображення, щоб їх додати</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Фони</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Недавні ігри</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Гри «%1» більше немає. Прибрати її зі списку?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистити список</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Новий рекорд: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Введіть ім’я та натисніть Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>До %1 латинських літер або цифр, без кирилиці.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Ігри Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Інші ігри для Quarrybox чекають на вас на %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Відкрити сайт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Гра Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Відкрити гру</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Зберегти гру як</translation>
    </message>
</context>
<context>
    <name>TerminalAnswer</name>
    <message>
        <source>Usage: %1 [GAME FILE]
Plays the falling-block game in GAME FILE (a .qbx file or its file:// address),
else the game played last.

  -h, --help     show this help and end
  -v, --version  show the version and end
</source>
        <extracomment>The answer to --help; %1: the program&apos;s name. Keep the options as they are.</extracomment>
        <translation>Використання: %1 [ФАЙЛ ГРИ]
Запускає гру з падаючими блоками з ФАЙЛУ ГРИ (файл .qbx або його адреса file://),
інакше — гру, у яку грали останньою.

  -h, --help     показати цю довідку й вийти
  -v, --version  показати версію й вийти
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: невідомий параметр «%2»
Спробуйте «%1 --help».
</translation>
    </message>
</context>
</TS>
