<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Aufruf: velmoor [--help | --version]
Beantwortet eine Frage mit Ja oder Nein: Frage eingeben, „Antwort holen“ drücken.

  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden
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
        <translation>Öffnet das Angebot für eine Version unter Ihrer eigenen Marke im Browser</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software ganz unter Ihrer Marke.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Öffnet das Forum im Browser</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Öffnet das Forum im Browser</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Velmoor-Ergebnis</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Öffnet das Angebot für eine Version unter Ihrer eigenen Marke im Browser</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Öffnet das Co-Branding-Angebot im Browser</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;empfehlen</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Download: Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Öffnet die anderen Programme des Herausgebers im Browser</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Quennet Softwares besuchen</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Öffnet das Forum im Browser</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor ist ein einfaches Orakel für die kleinen Fragen des Lebens. Stellen Sie nur Fragen, die sich mit Ja oder Nein beantworten lassen.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Öffnet das Angebot für eine Version unter Ihrer eigenen Marke im Browser</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Geben Sie Ihre Frage ein</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>Ihre Frage</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>weißes Quadrat</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>schwarzes Quadrat</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Antwort holen</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Öffnet das Co-Branding-Angebot im Browser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Diese Software unter Ihrer Marke: mehr Treue und Besucher für Ihre Website. Name &amp;&amp; Link Ihrer Website hier, Details unter „Hilfe“. Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software ganz unter Ihrer Marke. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>Das beliebteste Wahrsage-Forum im Netz, die beste Quelle rund ums Wahrsagen. Jetzt besuchen: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Programme wie dieses gibt es nur mit Ihrer Unterstützung. Am besten unterstützen Sie uns, indem Sie unser Forum %1 regelmäßig besuchen und bei Diskussionen und Aktionen mitmachen.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Besuchen Sie unser Forum %1 regelmäßig und unterstützen Sie es mit Beiträgen zu Diskussionen und Aktionen. Nur mit Ihren regelmäßigen Besuchen können diese Programme weiterleben.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 ist ein kostenloses Online-Forum über Wahrsagen und Schicksal. Helfen Sie uns, diese Software weiterzuentwickeln und zu pflegen: Besuchen Sie es regelmäßig.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Ihr Forum %1 braucht Ihre Hilfe: Besuchen Sie es regelmäßig und machen Sie bei Diskussionen und Aktionen mit, damit wir weitere Programme wie dieses pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Wenn Ihnen dieses Programm gefallen hat, mögen Sie sicher auch die anderen Programme seiner Familie. Sie reicht von Astrologie, Hellsehen, Tarot und Numerologie bis zum Okkulten, mit einem Programm für jeden neugierigen Geist und jede Frage des Lebens, von Liebe und Arbeit bis zu Gesundheit, Geld, Glück und Schicksal.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Alle Programme der Familie sind einfach, unterhaltsam und informativ, und jedes ist so leicht zu bedienen wie dieses. Probieren Sie sie heute aus und erzählen Sie Freunden und Familie davon: Ihre Freunde werden es Ihnen danken – und wir auch.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>Diese Empfehlung ist zu lang zum Senden: Bitte kürzen Sie die Nachricht oder die Namen. Eine Webadresse für den Browser darf höchstens %L1 Zeichen haben, diese bräuchte %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Für diese Software gibt es vielleicht ein Update</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor ist ein einfaches Orakel, das Ihnen bei den kleinen Problemen des Lebens hilft. Fragen, die sich nur mit Ja oder Nein beantworten lassen, geben die genauesten Ergebnisse. Alle Rechte an dieser Software liegen beim Herausgeber, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Ja: weißes Quadrat</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>Nein: schwarzes Quadrat</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>Die Antwort lautet %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>%1 jetzt besuchen</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Öffnet das Forum im Browser</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Bitte geben Sie Ihre Frage ein</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
</context>
</TS>
