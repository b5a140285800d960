<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>الاستخدام: velmoor [--help | --version]
يجيب عن سؤال بنعم أو لا: اكتبه ثم اضغط «احصل على إجابتي».

  -h, --help     يعرض هذه المساعدة ويخرج
  -v, --version  يعرض الإصدار ويخرج
</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;حسنًا</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>يفتح عرض النسخة التي تحمل علامتك التجارية بالكامل في المتصفح</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>مزيد من التفاصيل</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل. ابدأ عملك الخاص على الإنترنت واربح المال عبر الإنترنت. احصل على هذا البرنامج بعلامتك التجارية بالكامل.</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>يفتح المنتدى في المتصفح</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>يفتح المنتدى في المتصفح</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>نتيجة Velmoor</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>الإجابة:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>يفتح عرض النسخة التي تحمل علامتك التجارية بالكامل في المتصفح</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>يفتح عرض العلامة التجارية المشتركة في المتصفح</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>تعليمات عبر الإ&amp;نترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زيارة موقعنا</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ال&amp;بحث عن تحديثات</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>تبرّ&amp;ع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>اربح المال عبر الإ&amp;نترنت</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>أرسل &amp;الآن</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>تنزيل Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>يفتح برامج الناشر الأخرى في المتصفح</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>زيارة Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>يفتح المنتدى في المتصفح</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor أداة عرافة بسيطة تساعدك على حل مشكلات الحياة الصغيرة. تأكد من أن أسئلتك لا يُجاب عنها إلا بنعم أو لا.</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>يفتح عرض النسخة التي تحمل علامتك التجارية بالكامل في المتصفح</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>اكتب سؤالك</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>سؤالك</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>مربع أبيض</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>انتظر قليلًا</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>مربع أسود</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>احصل على إجابتي</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>يفتح عرض العلامة التجارية المشتركة في المتصفح</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>تعليمات عبر الإ&amp;نترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زيارة موقعنا</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>البحث عن &amp;تحديثات</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>تبرّ&amp;ع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>اربح المال عبر الإ&amp;نترنت</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع علامتك التجارية على هذا البرنامج لموقعك: ولاء أكبر وزيارات أكثر. اسم موقعك &amp;&amp; رابطه هنا، والتفاصيل في «تعليمات». انقر هنا لمعرفة المزيد.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل: ابدأ عملك الخاص على الإنترنت واربح المال عبر الإنترنت. احصل على هذا البرنامج بعلامتك التجارية بالكامل. انقر هنا للتفاصيل.</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>أشهر منتدى للعرافة على الإنترنت وأفضل مرجع لها. زُرْه الآن: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>لا يمكن صنع برامج كهذه والمحافظة عليها إلا بدعمك. وأفضل طريقة لدعمنا هي زيارة منتدانا %1 بانتظام والمشاركة في النقاشات والأنشطة الأخرى.</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>يرجى زيارة منتدانا %1 بانتظام ودعمه بالمشاركة في النقاشات والأنشطة الأخرى. لا يمكن دعم هذه البرامج والمحافظة عليها ما لم تزره بانتظام.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 منتدى نقاش مجاني على الإنترنت عن العرافة والقدر. لمساعدتنا على تطوير هذا البرنامج وصيانته، يرجى زيارته بانتظام.</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>منتداك %1 يحتاج إلى مساعدتك: يرجى زيارته بانتظام والمشاركة في نقاشاته وأنشطته، حتى نتمكن من صيانة وتطوير المزيد من البرامج مثل هذا البرنامج.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>إن أعجبك هذا البرنامج فستعجبك بالتأكيد برامجنا الأخرى من السلسلة نفسها. تغطي السلسلة التنجيم والاستبصار والتاروت وعلم الأعداد والغيبيات، مع برنامج لكل عقل فضولي ولكل سؤال قد تطرحه الحياة، من الحب والعمل إلى الصحة والمال والحظ والقدر.</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>كل برامج السلسلة بسيطة وممتعة ومفيدة، وكلها سهلة الاستخدام مثل هذا البرنامج. جربها كلها اليوم وشارك التجربة مع أصدقائك وعائلتك: سيشكرونك عليها، وكذلك نحن.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافة</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>هذه الرسالة أطول من أن تُرسل: يرجى تقصير الرسالة أو الأسماء. يمكن أن يحتوي عنوان الويب المُسلَّم إلى المتصفح على %L1 حرف على الأكثر، وهذا العنوان يحتاج إلى %L2.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يرجى إدخال عنواني بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يرجى إدخال اسم صديقك</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>قد يتوفر تحديث لهذا البرنامج</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor أداة عرافة بسيطة يمكن استخدامها لحل مشكلات الحياة الصغيرة. أدق النتائج تأتي من الأسئلة التي لا يُجاب عنها إلا بنعم أو لا. جميع حقوق هذا البرنامج محفوظة لناشره، Quennet Softwares.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>زُرْ موقعنا: %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>نعم: مربع أبيض</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>لا: مربع أسود</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>الإجابة هي %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>زُرْ %1 الآن</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>يفتح المنتدى في المتصفح</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>يرجى إدخال سؤالك</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>التطبيق قيد التشغيل بالفعل</translation>
    </message>
</context>
</TS>
