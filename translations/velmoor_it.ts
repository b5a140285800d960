<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Uso: velmoor [--help | --version]
Risponde a una domanda con Sì o No: scrivila e premi «Ottieni la risposta».

  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce
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
        <translation>Apre l&apos;offerta del programma con il tuo marchio nel browser</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Maggiori dettagli</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Questo software interamente con il tuo marchio.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Apre il forum nel browser</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Apre il forum nel browser</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Risultato di Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Risposta:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Apre l&apos;offerta del programma con il tuo marchio nel browser</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Apre l&apos;offerta di co-branding nel browser</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagna &amp;online</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Consiglia &amp;ora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Scarica Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Apre gli altri programmi dell&apos;editore nel browser</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Visita Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Apre il forum nel browser</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor è un semplice strumento divinatorio per i piccoli problemi della vita. Fai domande a cui si possa rispondere solo con Sì o No.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Apre l&apos;offerta del programma con il tuo marchio nel browser</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Scrivi la tua domanda</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>La tua domanda</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>quadrato bianco</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Attendere</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>quadrato nero</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Ottieni la risposta</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Apre l&apos;offerta di co-branding nel browser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagna &amp;online</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Metti il tuo marchio su questo software: più fedeltà e traffico per il tuo sito. Il nome &amp;&amp; il link del tuo sito qui, dettagli in «Guida». Fai clic qui per saperne di più.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa: avvia la tua attività su Internet e guadagna online. Questo software interamente con il tuo marchio. Fai clic qui per i dettagli.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>Il forum di divinazione più popolare del Web, la miglior risorsa sulla divinazione. Visitalo ora: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Programmi come questo esistono solo grazie al tuo sostegno. Il modo migliore per aiutarci è visitare spesso il nostro forum %1 e partecipare alle discussioni e alle attività.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Visita spesso il nostro forum %1 e sostienilo partecipando alle discussioni e alle attività. Senza le tue visite regolari questi programmi non possono essere mantenuti.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 è un forum gratuito sulla divinazione e sul destino. Per aiutarci a sviluppare e mantenere questo software, visitalo spesso.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Il tuo forum %1 ha bisogno di te: visitalo spesso e partecipa alle discussioni e alle attività, così potremo mantenere e sviluppare altri programmi come questo.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Se questo programma ti è piaciuto, ti piaceranno anche gli altri della stessa famiglia. Astrologia, veggenza, tarocchi, numerologia e occulto: un programma per ogni mente curiosa e ogni domanda della vita, dall&apos;amore al lavoro, dalla salute al denaro, alla fortuna e al destino.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Tutti i programmi della famiglia sono semplici, divertenti e istruttivi, e facili da usare come questo. Provali tutti oggi e condividili con amici e parenti: te ne saranno grati, e anche noi.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail dell&apos;amico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;indirizzo e-mail non può contenere spazi</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>Questo consiglio è troppo lungo da inviare: accorcia il messaggio o i nomi. Un indirizzo web passato al browser può avere al massimo %L1 caratteri, questo ne richiederebbe %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi e-mail diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo e-mail valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Vuoi cercare un aggiornamento?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor è un semplice strumento divinatorio per risolvere i piccoli problemi della vita. Le domande a cui si risponde solo con sì o no danno i risultati più precisi. Tutti i diritti su questo software appartengono al suo editore, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visitaci su %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Sì: quadrato bianco</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>No: quadrato nero</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>La risposta è %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>Visita %1 ora</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Apre il forum nel browser</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Scrivi la tua domanda</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;applicazione è già in esecuzione</translation>
    </message>
</context>
</TS>
