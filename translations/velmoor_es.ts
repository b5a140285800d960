<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Uso: velmoor [--help | --version]
Responde a una pregunta con Sí o No: escríbala y pulse «Obtener respuesta».

  -h, --help     muestra esta ayuda y sale
  -v, --version  muestra la versión y sale
</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Abre la oferta del programa con su propia marca en el navegador</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio en casa. Cree su propio negocio en Internet y gane dinero en línea. Este programa totalmente con su marca.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre el foro en el navegador</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre el foro en el navegador</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Resultado de Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Abre la oferta del programa con su propia marca en el navegador</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Abre la oferta de marca compartida en el navegador</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>A&amp;cerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en lí&amp;nea</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar &amp;ahora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Descargar Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Abre los demás programas del editor en el navegador</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Visitar Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre el foro en el navegador</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor es una sencilla herramienta adivinatoria para los pequeños problemas de la vida. Haga preguntas que se respondan solo con Sí o No.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Abre la oferta del programa con su propia marca en el navegador</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Escriba su pregunta</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>Su pregunta</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>cuadrado blanco</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>cuadrado negro</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Obtener respuesta</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Abre la oferta de marca compartida en el navegador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>A&amp;cerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en lí&amp;nea</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga su marca en este programa: más fidelidad y visitas para su sitio. El nombre &amp;&amp; enlace de su sitio aquí; detalles en «Ayuda». Haga clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio en casa: cree su propio negocio en Internet y gane dinero en línea. Este programa totalmente con su marca. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>El foro de adivinación más popular de Internet, el mejor recurso sobre adivinación. Visítelo ahora: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Programas como este solo existen gracias a su apoyo. La mejor forma de apoyarnos es visitar nuestro foro %1 con regularidad y participar en sus debates y actividades.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Visite nuestro foro %1 con regularidad y apóyelo participando en los debates y actividades. Sin sus visitas regulares, estos programas no pueden mantenerse.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 es un foro gratuito sobre adivinación y destino. Para ayudarnos a desarrollar y mantener este programa, visítelo con regularidad.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Su foro %1 necesita su ayuda: visítelo con regularidad y participe en sus debates y actividades, para que podamos mantener y crear más programas como este.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Si le ha gustado este programa, seguro que le gustarán los demás de la misma familia. Astrología, videncia, tarot, numerología y ocultismo: un programa para cada mente curiosa y cada pregunta de la vida, del amor y el trabajo a la salud, el dinero, la suerte y el destino.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Todos los programas de la familia son sencillos, divertidos e informativos, y tan fáciles de usar como este. Pruébelos hoy y compártalos con amigos y familia: se lo agradecerán, y nosotros también.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de su amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo no puede contener espacios</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>Esta recomendación es demasiado larga: acorte el mensaje o los nombres. Una dirección web para el navegador admite como máximo %L1 caracteres, y esta necesitaría %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escriba dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escriba una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escriba su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escriba el nombre de su amigo</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede haber una actualización de este programa</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Desea buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor es una sencilla herramienta adivinatoria para resolver los pequeños problemas de la vida. Las preguntas que solo se responden con sí o no dan los resultados más precisos. Todos los derechos pertenecen al editor del programa, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visítenos en %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Sí: cuadrado blanco</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>No: cuadrado negro</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>La respuesta es %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>Visite %1 ahora</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre el foro en el navegador</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Escriba su pregunta</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
</TS>
