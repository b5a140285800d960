<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmoor [--help | --version]
Answers a question with Yes or No: type it, press Get My Answer.

  -h, --help     print this help and exit
  -v, --version  print the version and exit
</source>
        <translation>使い方: velmoor [--help | --version]
質問に「はい」か「いいえ」で答えます。質問を入力して「答えを見る」を押してください。

  -h, --help     このヘルプを表示して終了
  -v, --version  バージョンを表示して終了
</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>フル ブランド版のご案内をブラウザーで開きます</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはこちら</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>自宅でできるビジネスチャンス。自分のインターネット ビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアをあなたのブランドで。</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>フォーラムをブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>フォーラムをブラウザーで開きます</translation>
    </message>
    <message>
        <source>Velmoor Result</source>
        <translation>Velmoor の結果</translation>
    </message>
    <message>
        <source>Answer Is</source>
        <translation>答え:</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>フル ブランド版のご案内をブラウザーで開きます</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>共同ブランドのご案内をブラウザーで開きます</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンライン ヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Web サイトへ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>FrmExitScreen</name>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>友だちに紹介</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>今すぐ紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>メール アドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友だちのメール アドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友だちの名前</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Download Quennet Softwares</source>
        <translation>Quennet Softwares から入手</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s other programs in your browser</source>
        <translation>発行元のほかのプログラムをブラウザーで開きます</translation>
    </message>
    <message>
        <source>Click Here To Visit Quennet Softwares</source>
        <translation>Quennet Softwares を見る</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>フォーラムをブラウザーで開きます</translation>
    </message>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Make sure that your questions can be answered only in Yes / No form.</source>
        <translation>Velmoor は、暮らしの小さな悩みを解決するシンプルな占いツールです。はい・いいえで答えられる質問をしてください。</translation>
    </message>
    <message>
        <source>Opens the fully branded offer in your browser</source>
        <translation>フル ブランド版のご案内をブラウザーで開きます</translation>
    </message>
    <message>
        <source>Enter Your Question</source>
        <translation>質問を入力してください</translation>
    </message>
    <message>
        <source>Your question</source>
        <translation>あなたの質問</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>白い四角</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>少々お待ちを</translation>
    </message>
    <message>
        <source>black square</source>
        <translation>黒い四角</translation>
    </message>
    <message>
        <source>Get My Answer</source>
        <translation>答えを見る</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your browser</source>
        <translation>共同ブランドのご案内をブラウザーで開きます</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンライン ヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Web サイトへ(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Promo</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>共同ブランド版で、あなたのサイトへの愛着とアクセスを増やしましょう。サイト名 &amp;&amp; リンクをここに。詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>自宅でできるビジネスチャンス。インターネット ビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアをあなたのブランドで。詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>The most popular divination forum online, best resource for all divination. Visit it now: %1</source>
        <translation>ネットで一番人気の占いフォーラム、占いの情報ならここが一番。今すぐアクセス: %1</translation>
    </message>
    <message>
        <source>Programs like this one can only be made and kept up with your support. The best way to support us is to visit our forum at %1 regularly, and take part in the discussions and other activities on the board.</source>
        <translation>このようなプログラムは皆さまのご支援があってこそ作り続けられます。フォーラム %1 を定期的に訪れ、話し合いや活動に参加していただくことが一番のご支援です。</translation>
    </message>
    <message>
        <source>Please visit our forum at %1 regularly, and support it by taking part in the discussions and other activities. These programs cannot be supported and kept up unless you visit it regularly.</source>
        <translation>フォーラム %1 を定期的に訪れ、話し合いや活動に参加して応援してください。皆さまの定期的な訪問がなければ、これらのプログラムを続けることはできません。</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum about divination and fate. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 は占いと運命についての無料オンライン フォーラムです。このソフトウェアの開発と保守のために、定期的に訪れてください。</translation>
    </message>
    <message>
        <source>Your forum at %1 needs your help: please visit it regularly and take part in its discussions and activities, so that we can maintain and develop more programs like this one.</source>
        <translation>フォーラム %1 は皆さまのご協力を必要としています。定期的に訪れて話し合いや活動に参加してください。このようなプログラムをこれからも作り続けるためです。</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will surely like our other programs of the same family as well. The family covers astrology, psychic, tarot, numerology and occult subjects, with a program for every curious mind and for every question that life may bring along the way, from love and work to health, money, luck and fortune.</source>
        <translation>このプログラムを気に入っていただけたなら、同じシリーズのほかのプログラムもきっと気に入るはずです。占星術、霊視、タロット、数秘術、オカルトまで、好奇心あふれる方のために、恋愛や仕事から健康、お金、運勢まで、人生のあらゆる疑問に応えるプログラムがそろっています。</translation>
    </message>
    <message>
        <source>All programs of the family are simple, fun and informative, and each of them is as easy to use as this one. Try them all today, and share the experience with your friends and family: they will thank you for it, and so will we all.</source>
        <translation>シリーズのプログラムはどれもシンプルで楽しく役に立ち、このプログラムと同じように簡単に使えます。今日さっそくお試しいただき、友だちや家族にも教えてあげてください。きっと喜ばれます。私たちも喜びます。</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>メール アドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友だちの名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友だちのメール アドレス</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メール アドレスにスペースは使えません</translation>
    </message>
    <message>
        <source>This referral is too long to send: please shorten the message or the names. A web address handed to the browser may hold at most %L1 characters, and this one would need %L2.</source>
        <translation>この紹介は長すぎて送信できません。メッセージか名前を短くしてください。ブラウザーに渡す Web アドレスは最大 %L1 文字ですが、この紹介には %L2 文字必要です。</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>異なるメール アドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメール アドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>お名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友だちの名前を入力してください</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>このソフトウェアの更新版があるかもしれません</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>更新を確認しますか?</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmAbout</name>
    <message>
        <source>Velmoor is a simple divination tool that can be used to solve your simple problems in life. Questions that can only be answered in yes / no form will have the most accurate results. All rights to this software are held by its publisher, Quennet Softwares.</source>
        <translation>Velmoor は、暮らしの小さな悩みを解決するシンプルな占いツールです。はい・いいえで答えられる質問ほど、正確な結果が得られます。このソフトウェアのすべての権利は発行元の Quennet Softwares が保有しています。</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Web サイト: %1</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmDisplay</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes: white square</source>
        <translation>はい: 白い四角</translation>
    </message>
    <message>
        <source>No: black square</source>
        <translation>いいえ: 黒い四角</translation>
    </message>
    <message>
        <source>Answer Is %1</source>
        <comment>spoken as the answer appears</comment>
        <translation>答えは「%1」</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmExitScreen</name>
    <message>
        <source>Visit %1 now</source>
        <translation>今すぐ %1 へ</translation>
    </message>
    <message>
        <source>Opens the forum in your browser</source>
        <translation>フォーラムをブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmMain</name>
    <message>
        <source>Plese Enter Your Question</source>
        <translation>質問を入力してください</translation>
    </message>
</context>
<context>
    <name>velmoor::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>アプリケーションはすでに実行中です</translation>
    </message>
</context>
</TS>
