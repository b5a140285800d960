<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Использование: velmoor [--help | --version]
Отвечает на вопрос «Да» или «Нет»: введите его и нажмите «Узнать ответ».

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти
</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Открывает в браузере предложение полной версии под вашей маркой</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте свой интернет-бизнес и зарабатывайте онлайн. Эта программа полностью под вашей маркой.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Открывает форум в браузере</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Открывает форум в браузере</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Результат Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Ответ:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Открывает в браузере предложение полной версии под вашей маркой</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Открывает в браузере предложение о совместной марке</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Про&amp;верить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>По&amp;жертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать в Интернете</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Порекомендовать другу</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Порекомендовать &amp;сейчас</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Загрузить Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Открывает в браузере другие программы издателя</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Посетить Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Открывает форум в браузере</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor — простой инструмент гадания для небольших жизненных вопросов. Задавайте только вопросы, на которые можно ответить «Да» или «Нет».</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Открывает в браузере предложение полной версии под вашей маркой</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Введите свой вопрос</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>Ваш вопрос</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>белый квадрат</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Подождите</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>чёрный квадрат</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Узнать ответ</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Открывает в браузере предложение о совместной марке</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>По&amp;жертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать в Интернете</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Совместный бренд для вашего сайта: больше лояльности и посетителей. Название &amp;&amp; ссылка вашего сайта здесь, подробности в «Справке». Нажмите, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому: откройте свой интернет-бизнес и зарабатывайте онлайн. Эта программа полностью под вашей маркой. Нажмите здесь, чтобы узнать подробности.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>Самый популярный форум о гаданиях в Интернете, лучший источник по гаданиям. Посетите его: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Такие программы живут только благодаря вашей поддержке. Лучший способ поддержать нас — регулярно посещать наш форум %1 и участвовать в обсуждениях и других мероприятиях.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Регулярно посещайте наш форум %1 и поддерживайте его, участвуя в обсуждениях и других мероприятиях. Без ваших регулярных визитов эти программы не смогут развиваться.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 — бесплатный форум о гаданиях и судьбе. Чтобы помочь нам развивать и поддерживать эту программу, посещайте его регулярно.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Вашему форуму %1 нужна помощь: посещайте его регулярно и участвуйте в обсуждениях и мероприятиях, чтобы мы могли поддерживать и создавать новые программы вроде этой.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Если вам понравилась эта программа, вам наверняка понравятся и другие программы этого семейства. Астрология, ясновидение, таро, нумерология и оккультизм: программа для каждого пытливого ума и любого жизненного вопроса, от любви и работы до здоровья, денег, удачи и судьбы.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Все программы семейства просты, увлекательны и познавательны, и каждой так же легко пользоваться, как этой. Попробуйте их сегодня и расскажите о них друзьям и близким: они скажут вам спасибо, и мы тоже.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес эл. почты не может содержать пробелов</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>Эта рекомендация слишком длинная: сократите сообщение или имена. Веб-адрес, передаваемый браузеру, может содержать не более %L1 символов, а этому нужно %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите своё сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Возможно, доступно обновление этой программы</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Проверить наличие обновления?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor — простой инструмент гадания, который помогает решать небольшие жизненные проблемы. Вопросы, на которые можно ответить только «да» или «нет», дают самые точные результаты. Все права принадлежат издателю, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Посетите нас: %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Да: белый квадрат</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>Нет: чёрный квадрат</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>Ответ %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>Посетите %1 сейчас</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Открывает форум в браузере</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Введите свой вопрос</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена</translation>
    </message>
</context>
</TS>
