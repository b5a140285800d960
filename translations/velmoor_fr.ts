<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Usage&#xa0;: velmoor [--help | --version]
Répond à une question par Oui ou Non&#xa0;: tapez-la, appuyez sur «&#xa0;Obtenir ma réponse&#xa0;».

  -h, --help     affiche cette aide et quitte
  -v, --version  affiche la version et quitte
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
        <translation>Ouvre l&apos;offre de version entièrement à votre marque dans votre navigateur</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunité d&apos;affaires à domicile. Lancez votre propre commerce sur Internet et gagnez de l&apos;argent en ligne. Ce logiciel entièrement à votre marque.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Ouvre le forum dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Ouvre le forum dans votre navigateur</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Résultat Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Ouvre l&apos;offre de version entièrement à votre marque dans votre navigateur</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Ouvre l&apos;offre de co-marquage dans votre navigateur</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Re&amp;chercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander &amp;maintenant</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Télécharger Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Ouvre les autres programmes de l&apos;éditeur dans votre navigateur</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Visitez Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Ouvre le forum dans votre navigateur</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor est un outil de divination simple pour résoudre les petits problèmes de la vie. Posez des questions auxquelles on répond par Oui ou Non.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Ouvre l&apos;offre de version entièrement à votre marque dans votre navigateur</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Entrez votre question</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>Votre question</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>carré blanc</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Patientez</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>carré noir</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Obtenir ma réponse</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Ouvre l&apos;offre de co-marquage dans votre navigateur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une mise à &amp;jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel&#xa0;: plus de fidélité et de trafic. Le nom &amp;&amp; le lien de votre site ici, détails dans «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunité d&apos;affaires à domicile&#xa0;: lancez votre commerce sur Internet et gagnez de l&apos;argent en ligne. Ce logiciel entièrement à votre marque. Cliquez ici pour les détails.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>Le forum de divination le plus populaire du Web, la meilleure ressource sur la divination. Visitez-le&#xa0;: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Les programmes comme celui-ci n&apos;existent que grâce à votre soutien. La meilleure façon de nous aider est de visiter notre forum %1 régulièrement et de participer aux discussions et aux activités.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Visitez régulièrement notre forum %1 et soutenez-le en participant aux discussions et aux activités. Sans vos visites régulières, ces programmes ne peuvent être ni soutenus ni entretenus.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 est un forum gratuit sur la divination et le destin. Pour nous aider à développer et à entretenir ce logiciel, visitez-le régulièrement.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Votre forum %1 a besoin de vous&#xa0;: visitez-le régulièrement et participez à ses discussions et à ses activités, pour que nous puissions entretenir et créer d&apos;autres programmes comme celui-ci.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Si ce programme vous a plu, vous aimerez aussi les autres programmes de la même famille. Astrologie, voyance, tarot, numérologie, occultisme&#xa0;: un programme pour chaque esprit curieux et chaque question de la vie, de l&apos;amour au travail, de la santé à l&apos;argent, à la chance et au destin.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Tous les programmes de la famille sont simples, amusants et instructifs, et aussi faciles à utiliser que celui-ci. Essayez-les tous dès aujourd&apos;hui et partagez-les avec vos proches&#xa0;: ils vous en remercieront, et nous aussi.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>Cette recommandation est trop longue&#xa0;: raccourcissez le message ou les noms. Une adresse Web transmise au navigateur peut compter au plus %L1 caractères, celle-ci en demanderait %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez entrer deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez entrer une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez entrer votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez entrer votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez entrer le nom de votre ami</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor est un outil de divination simple pour résoudre les petits problèmes de la vie. Les questions auxquelles on répond par oui ou non donnent les résultats les plus justes. Tous les droits sur ce logiciel appartiennent à son éditeur, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visitez %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Oui&#xa0;: carré blanc</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>Non&#xa0;: carré noir</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>La réponse est %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>Visitez %1</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Ouvre le forum dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Veuillez entrer votre question</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
</context>
</TS>
