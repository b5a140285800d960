<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Użycie: velmoor [--help | --version]
Odpowiada na pytanie Tak lub Nie: wpisz je i naciśnij „Pokaż odpowiedź”.

  -h, --help     pokazuje tę pomoc i kończy
  -v, --version  pokazuje wersję i kończy
</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Otwiera w przeglądarce ofertę pełnej wersji z Twoją marką</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Biznes w domu. Załóż własną firmę internetową i zarabiaj w sieci. Ten program w całości pod Twoją marką.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Otwiera forum w przeglądarce</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Otwiera forum w przeglądarce</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Wynik programu Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Odpowiedź:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Otwiera w przeglądarce ofertę pełnej wersji z Twoją marką</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Otwiera w przeglądarce ofertę co-brandingu</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomoc &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Odwiedź &amp;witrynę</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Darowizna</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Zarabiaj &amp;online</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Poleć &amp;teraz</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail znajomego</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Imię znajomego</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Twoja wiadomość</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Pobierz Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Otwiera w przeglądarce inne programy wydawcy</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Odwiedź Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Otwiera forum w przeglądarce</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor to proste narzędzie wróżbiarskie na drobne życiowe problemy. Zadawaj pytania, na które można odpowiedzieć tylko Tak lub Nie.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Otwiera w przeglądarce ofertę pełnej wersji z Twoją marką</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Wpisz swoje pytanie</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>Twoje pytanie</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>biały kwadrat</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Czekaj</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>czarny kwadrat</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Pokaż odpowiedź</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Otwiera w przeglądarce ofertę co-brandingu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomoc &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Odwiedź &amp;witrynę</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Darowizna</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Zarabiaj &amp;online</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Oznacz ten program swoją marką: więcej lojalności i ruchu na Twojej stronie. Tu nazwa &amp;&amp; link Twojej strony, szczegóły w „Pomocy”. Kliknij, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Biznes w domu: załóż własną firmę internetową i zarabiaj w sieci. Ten program w całości pod Twoją marką. Kliknij tutaj, aby poznać szczegóły.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>Najpopularniejsze forum wróżbiarskie w sieci, najlepsze źródło wiedzy o wróżbach. Odwiedź je teraz: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Programy takie jak ten powstają tylko dzięki Twojemu wsparciu. Najlepiej wesprzesz nas, odwiedzając regularnie nasze forum %1 i biorąc udział w dyskusjach i innych działaniach.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Odwiedzaj regularnie nasze forum %1 i wspieraj je, biorąc udział w dyskusjach i innych działaniach. Bez Twoich regularnych odwiedzin te programy nie mogą być rozwijane.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 to bezpłatne forum o wróżbach i przeznaczeniu. Aby pomóc nam rozwijać i utrzymywać ten program, odwiedzaj je regularnie.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Twoje forum %1 potrzebuje pomocy: odwiedzaj je regularnie i bierz udział w dyskusjach i działaniach, abyśmy mogli utrzymywać i tworzyć kolejne programy takie jak ten.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Jeśli spodobał Ci się ten program, na pewno polubisz też inne programy z tej samej rodziny. Astrologia, jasnowidzenie, tarot, numerologia i okultyzm: program dla każdego ciekawego umysłu i na każde życiowe pytanie, od miłości i pracy po zdrowie, pieniądze, szczęście i los.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Wszystkie programy z rodziny są proste, zabawne i pouczające, a każdy jest tak łatwy w użyciu jak ten. Wypróbuj je już dziś i podziel się nimi z bliskimi: podziękują Ci, a my również.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Imię znajomego</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail znajomego</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Twoja wiadomość</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Adres e-mail nie może zawierać spacji</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>To polecenie jest za długie do wysłania: skróć wiadomość lub imiona. Adres internetowy przekazany przeglądarce może mieć najwyżej %L1 znaków, a ten wymagałby %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Wpisz dwa różne adresy e-mail</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Wpisz poprawny adres e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Wpisz swoją wiadomość</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Wpisz imię znajomego</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Może być dostępna aktualizacja tego programu</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Czy chcesz sprawdzić dostępność aktualizacji?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor to proste narzędzie wróżbiarskie, które pomaga rozwiązywać drobne życiowe problemy. Pytania, na które można odpowiedzieć tylko tak lub nie, dają najtrafniejsze wyniki. Wszelkie prawa należą do wydawcy, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Odwiedź nas: %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Tak: biały kwadrat</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>Nie: czarny kwadrat</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>Odpowiedź brzmi %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>Odwiedź %1 teraz</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Otwiera forum w przeglądarce</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Wpisz swoje pytanie</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program jest już uruchomiony</translation>
    </message>
</context>
</TS>
