<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %1 characters, and this one would need %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
