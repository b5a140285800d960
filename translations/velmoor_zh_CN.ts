<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>用法：velmoor [--help | --version]
用“是”或“否”回答一个问题：输入问题，然后按“获取答案”。

  -h, --help     显示此帮助并退出
  -v, --version  显示版本并退出
</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>在浏览器中打开完整品牌版介绍</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>了解详情</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业良机。开创您自己的网上生意，在线赚钱。让本软件完全使用您的品牌。</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>在浏览器中打开论坛</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>在浏览器中打开论坛</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Velmoor 结果</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>答案：</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>在浏览器中打开完整品牌版介绍</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>在浏览器中打开联合品牌介绍</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐(&amp;N)</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>下载 Quennet Softwares</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>在浏览器中打开发行商的其他程序</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>访问 Quennet Softwares</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>在浏览器中打开论坛</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor 是一个简单的占卜工具，可以帮您解决生活中的小问题。请确保您的问题只能用“是”或“否”来回答。</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>在浏览器中打开完整品牌版介绍</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>输入您的问题</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>您的问题</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>白色方块</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>黑色方块</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>获取答案</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>在浏览器中打开联合品牌介绍</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>将本软件与您的网站联合冠名，提升用户忠诚度和访问量。在此放上您网站的名称 &amp;&amp; 链接，详见“帮助”。单击此处了解联合品牌的更多信息。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业良机：开创您自己的网上生意，在线赚钱。让本软件完全使用您的品牌。单击此处了解详情。</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>网上最受欢迎的占卜论坛，占卜资源的最佳去处。立即访问：%1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>这样的程序只有在您的支持下才能开发和维护。支持我们的最好方式，就是经常访问我们的论坛 %1，并参与论坛上的讨论和其他活动。</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>请经常访问我们的论坛 %1，参与讨论和其他活动来支持它。没有您的经常访问，这些程序就无法得到支持和维护。</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 是一个关于占卜与命运的免费在线论坛。为了帮助我们开发和维护本软件，请经常访问它。</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>您的论坛 %1 需要您的帮助：请经常访问，参与讨论和活动，让我们能够维护和开发更多这样的程序。</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>如果您喜欢这个程序，您一定也会喜欢同一系列的其他程序。这个系列涵盖占星、通灵、塔罗、数字命理和神秘学，为每一个好奇的人、为生活中的每一个问题都准备了程序，从爱情、工作到健康、金钱、运气和命运。</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>该系列的所有程序都简单、有趣、内容丰富，而且都像这个程序一样容易使用。今天就全部试一试，并与亲朋好友分享：他们会感谢您，我们也一样。</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>此推荐太长，无法发送：请缩短留言或姓名。交给浏览器的网址最多只能有 %L1 个字符，而此推荐需要 %L2 个。</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入正确的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本软件可能有可用的更新</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>是否检查更新？</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor 是一个简单的占卜工具，可以帮您解决生活中的小问题。只能用“是”或“否”回答的问题会得到最准确的结果。本软件的一切权利归其发行商 Quennet Softwares 所有。</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>访问我们的网站：%1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>是：白色方块</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>否：黑色方块</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>答案为%1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>立即访问 %1</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>在浏览器中打开论坛</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>请输入您的问题</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>应用程序已在运行</translation>
    </message>
</context>
</TS>
