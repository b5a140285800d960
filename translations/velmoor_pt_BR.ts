<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>Uso: velmoor [--help | --version]
Responde a uma pergunta com Sim ou Não: digite-a e pressione “Obter resposta”.

  -h, --help     mostra esta ajuda e sai
  -v, --version  mostra a versão e sai
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
        <translation>Abre a oferta do programa com a sua marca no navegador</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Mais detalhes</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro online. Este software totalmente com a sua marca.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre o fórum no navegador</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre o fórum no navegador</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Resultado do Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>Resposta:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Abre a oferta do programa com a sua marca no navegador</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Abre a oferta de marca compartilhada no navegador</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;online</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar &amp;agora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Baixe Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>Abre os outros programas do editor no navegador</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Visite Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre o fórum no navegador</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>O Velmoor é uma ferramenta de adivinhação simples para os pequenos problemas da vida. Faça perguntas que possam ser respondidas só com Sim ou Não.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>Abre a oferta do programa com a sua marca no navegador</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>Digite sua pergunta</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>Sua pergunta</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>quadrado branco</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Aguarde</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>quadrado preto</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>Obter resposta</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>Abre a oferta de marca compartilhada no navegador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Procurar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;online</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque sua marca neste software: mais fidelidade e visitas para o seu site. O nome &amp;&amp; link do seu site aqui; detalhes em “Ajuda”. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa: abra seu próprio negócio na Internet e ganhe dinheiro online. Este software totalmente com a sua marca. Clique aqui para detalhes.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>O fórum de adivinhação mais popular da Internet, o melhor recurso sobre adivinhação. Visite agora: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>Programas como este só existem com o seu apoio. A melhor forma de nos apoiar é visitar nosso fórum %1 com frequência e participar das discussões e atividades.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>Visite nosso fórum %1 com frequência e apoie-o participando das discussões e atividades. Sem as suas visitas regulares, estes programas não podem ser mantidos.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 é um fórum gratuito sobre adivinhação e destino. Para nos ajudar a desenvolver e manter este software, visite-o com frequência.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>Seu fórum %1 precisa de você: visite-o com frequência e participe das discussões e atividades, para que possamos manter e criar mais programas como este.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>Se você gostou deste programa, vai gostar também dos outros da mesma família. Astrologia, vidência, tarô, numerologia e ocultismo: um programa para cada mente curiosa e cada pergunta da vida, do amor e do trabalho à saúde, ao dinheiro, à sorte e ao destino.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>Todos os programas da família são simples, divertidos e informativos, e tão fáceis de usar quanto este. Experimente todos hoje e compartilhe com amigos e família: eles vão agradecer, e nós também.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>Esta indicação é longa demais para enviar: encurte a mensagem ou os nomes. Um endereço da Web passado ao navegador pode ter no máximo %L1 caracteres, e este precisaria de %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Pode haver uma atualização deste software</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja procurar uma atualização?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>O Velmoor é uma ferramenta de adivinhação simples para resolver os pequenos problemas da vida. Perguntas que só podem ser respondidas com sim ou não dão os resultados mais precisos. Todos os direitos deste software pertencem ao editor, Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visite-nos em %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>Sim: quadrado branco</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>Não: quadrado preto</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>A resposta é %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>Visite %1 agora</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>Abre o fórum no navegador</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>Digite sua pergunta</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
</context>
</TS>
