<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Computes the inner dreams number of a full name.</source>
        <translation>Calcula o número dos sonhos interiores de um nome completo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Tente “%1 --help”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; Lunavik opens no files.</source>
        <translation>argumento inesperado “%1”; o Lunavik não abre arquivos.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>no display found (%1 is not set); to run Lunavik on a virtual one: xvfb-run %2</source>
        <translation>nenhuma tela encontrada (%1 não está definida); para executar o Lunavik em uma tela virtual: xvfb-run %2</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); to run Lunavik on a virtual one: xvfb-run %1</source>
        <translation>nenhuma tela encontrada (DISPLAY e WAYLAND_DISPLAY não estão definidas); para executar o Lunavik em uma tela virtual: xvfb-run %1</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>não foi possível iniciar o plugin de plataforma %1; para executar o Lunavik em uma tela virtual: %2</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>não foi possível iniciar os plugins de plataforma %1; para executar o Lunavik em uma tela virtual: %2</translation>
    </message>
    <message>
        <source>cannot reach the display %1; to run Lunavik on a virtual one: %2</source>
        <translation>não foi possível acessar a tela %1; para executar o Lunavik em uma tela virtual: %2</translation>
    </message>
    <message>
        <source>cannot reach the displays %1 and %2; to run Lunavik on a virtual one: %3</source>
        <translation>não foi possível acessar as telas %1 e %2; para executar o Lunavik em uma tela virtual: %3</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; install Lunavik again to put this right</source>
        <translation>não foi possível iniciar o plugin de plataforma %1; reinstale o Lunavik para corrigir o problema</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; install Lunavik again to put this right</source>
        <translation>não foi possível iniciar os plugins de plataforma %1; reinstale o Lunavik para corrigir o problema</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>One name, quoted as in the lines around it.</extracomment>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Lunavik runs without its check for a second copy: it finds no folder that only you can open for its lock file.</source>
        <translation>O Lunavik está sendo executado sem verificar se há outra cópia aberta: ele não encontra nenhuma pasta que só você possa abrir para guardar o arquivo de bloqueio.</translation>
    </message>
    <message>
        <source>Lunavik runs without its check for a second copy: it cannot write its lock file %1.</source>
        <translation>O Lunavik está sendo executado sem verificar se há outra cópia aberta: ele não consegue gravar o arquivo de bloqueio %1.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Lunavik cannot save its settings in %1: it may not write there.</source>
        <translation>O Lunavik não consegue salvar as configurações em %1: ele não tem permissão para gravar nesse local.</translation>
    </message>
    <message>
        <source>Lunavik does not use its settings file %1: it is not a plain file.</source>
        <translation>O Lunavik não usa o arquivo de configurações %1: ele não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Lunavik cannot read its settings file %1.</source>
        <translation>O Lunavik não consegue ler o arquivo de configurações %1.</translation>
    </message>
    <message>
        <source>Lunavik does not read its settings file %1: it is damaged and cannot be set aside.</source>
        <translation>O Lunavik não lê o arquivo de configurações %1: ele está danificado e não pode ser deixado de lado.</translation>
    </message>
    <message>
        <source>Lunavik cannot keep its settings: it finds no configuration folder it can use (XDG_CONFIG_HOME, HOME).</source>
        <translation>O Lunavik não consegue guardar as configurações: ele não encontra nenhuma pasta de configuração que possa usar (XDG_CONFIG_HOME, HOME).</translation>
    </message>
</context>
<context>
    <name>captions</name>
    <message>
        <source>Co-brand this software for your site. Get more loyalty &amp;&amp; traffic. Put your site&apos;s name and link in this place. See Help for details. Click here for more information on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one ampersand.</extracomment>
        <translation>Coloque a marca do seu site neste programa e ganhe fidelidade e tráfego: seu nome e seu link aparecerão aqui. Detalhes na Ajuda. Clique aqui para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa: crie seu próprio negócio na Internet e ganhe dinheiro on-line com este programa totalmente personalizado com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>The most popular online numerology board and the best resource on the topic. Visit us at %1</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>O fórum de numerologia mais popular da Internet e a melhor fonte sobre o assunto. Visite-nos em %1</translation>
    </message>
    <message>
        <source>Lunavik Software helps you to uncover your secret dreams or inner desires and to have a better understanding about them. This software gives an insight into your personality as well. All it needs is your name.</source>
        <translation>O Lunavik ajuda você a descobrir seus sonhos secretos e seus desejos mais íntimos, e a entendê-los melhor. Ele também oferece um olhar sobre a sua personalidade. Só precisa do seu nome.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <extracomment>The main window&apos;s offer without its last sentence, which the link below it says instead; the space at the end shows nothing, but keep it.</extracomment>
        <translation>Oportunidade de negócio em casa: crie seu próprio negócio na Internet e ganhe dinheiro on-line com este programa totalmente personalizado com a marca do seu site. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s web site.</extracomment>
        <translation>Visite %1</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>Your Inner Dreams Number is: </source>
        <extracomment>The number follows this text.</extracomment>
        <translation>Seu número dos sonhos interiores é: </translation>
    </message>
    <message>
        <source>As the name suggests this number is associated with your personality or your nature. It signifies your level of comfort in relationships and how much of yourself you are willing to let others know about.</source>
        <translation>Como o próprio nome diz, este número está ligado à sua personalidade, ao seu jeito de ser. Ele mostra o quanto você se sente à vontade nos relacionamentos e o quanto de si você quer mostrar aos outros.</translation>
    </message>
    <message>
        <source>Great feeling of importance is what you love. You dream of courage, daring and novel ideas. You see yourself as a pioneer in your own field. At first you may seem aggressive and a little too sure of yourself. Underneath is a confident and dynamic spirit. You like to be in control of what happens around you. You are at ease with your own personality.</source>
        <translation>Você adora se sentir importante. Sonha com coragem, ousadia e ideias novas. Você se vê abrindo caminho na sua área. À primeira vista, pode passar uma imagem de agressividade e de excesso de confiança. Por baixo disso há um espírito seguro e dinâmico. Você gosta de ter o controle do que acontece ao seu redor. Você está em paz com a sua própria personalidade.</translation>
    </message>
    <message>
        <source>You dream about having close relationships with your friends and other people nearby. You are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get along with. You would rather stay out of the limelight and let others shine. You are patient and a good listener. You have a gift for making people feel wanted.</source>
        <translation>Você sonha com relações próximas com os amigos e com as pessoas ao seu redor. No fundo, você sabe promover a paz. Com sua calma e seu charme discreto, é fácil conviver com você. Prefere ficar longe dos holofotes e deixar os outros brilharem. Você tem paciência e sabe ouvir. Tem o dom de fazer as pessoas se sentirem queridas.</translation>
    </message>
    <message>
        <source>All forms of art are you dream roles. You excel in writing, acting, painting and music. You wish to express your inner feelings freely and to enjoy life. Charming and witty, you are the life of the crowd. You dream of being glamorous, happy and optimistic. You like to be admired and appreciated for all that you do. You bring colour and joy to everyone who is lucky enough to share your company.</source>
        <translation>Todas as formas de arte são os papéis dos seus sonhos. Você se destaca na escrita, na atuação, na pintura e na música. Deseja expressar livremente o que sente e aproveitar a vida. Com seu charme e seu bom humor, você é a alma da festa. Sonha com uma vida glamorosa e feliz, cheia de otimismo. Gosta de receber admiração e reconhecimento por tudo o que faz. Você leva cor e alegria a todas as pessoas que têm a sorte de estar na sua companhia.</translation>
    </message>
    <message>
        <source>You visualize of being someone rock-solid whom everyone can depend on. You are very well organized and a meticulous planner. You like order and a predictable consistency in your life. You are honest and trustworthy, reliable and practical. You understand the value of every penny you have earned.</source>
        <translation>Você se imagina como alguém sólido como uma rocha, com quem todos podem contar. Você tem muito senso de organização e planeja tudo nos mínimos detalhes. Gosta de ordem e de uma constância previsível na sua vida. Você é uma pessoa honesta e íntegra, confiável e prática. Conhece o valor de cada centavo que ganhou.</translation>
    </message>
    <message>
        <source>You would love to be totally free and unreserved by responsibility. You love travel and meeting people of other cultures. You live for adventure and often take risks. Stimulating and quick-minded, you have an infectious happy attitude. You like to imagine all that might be accomplished. At times you may be irresponsible and self-indulgent.</source>
        <translation>Você adoraria viver com total liberdade, sem o peso das responsabilidades. Adora viajar e conhecer pessoas de outras culturas. Vive para a aventura e corre riscos com frequência. Com sua mente rápida e estimulante, você tem uma alegria contagiante. Gosta de imaginar tudo o que poderia ser realizado. Às vezes pode lhe faltar senso de responsabilidade, e você pode ceder demais às próprias vontades.</translation>
    </message>
    <message>
        <source>You love your family and relations. You crave the devotion of your offspring and of a loving spouse. You dream of a picture-perfect domestic life. You have a fine sense of justice and fairness. You are compassionate. You keep harmony among the people around you. You are generous, reliable and trustworthy as well.</source>
        <translation>Você ama a sua família e os seus parentes. Anseia pelo carinho dos filhos e de uma pessoa amorosa ao seu lado. Sonha com uma vida familiar de cartão-postal. Tem um apurado senso de justiça e de equidade. Você tem um coração compassivo. Mantém a harmonia entre as pessoas ao seu redor. Além disso, é uma pessoa generosa e confiável, em quem todos podem se apoiar.</translation>
    </message>
    <message>
        <source>You love to grab all opportunities you get to read and shut yourself away from the worldly distractions. You are serious and intelligent. You do not let people get very close to you. You feel different from others, and in fact you are. You are spiritually inclined. You want to spend your whole life in the pursuit of knowledge and wisdom.</source>
        <translation>Você adora aproveitar toda oportunidade de ler e de se afastar das distrações do mundo. Você é uma pessoa séria e inteligente. Não deixa as pessoas se aproximarem demais. Você se sente diferente dos outros, e de fato é. Tem inclinação para a espiritualidade. Quer dedicar a vida inteira à busca do conhecimento e da sabedoria.</translation>
    </message>
    <message>
        <source>Your vision is success in the business or political world, of power and control of large material undertakings. You crave authority and want recognition of your executive skills. You are confident, successful, strong and dynamic. Others feel drawn to your powerful personality and want to learn your ways.</source>
        <translation>Você sonha com o sucesso no mundo dos negócios ou da política, com poder e com o comando de grandes empreendimentos. Anseia por autoridade e quer ver reconhecido o seu talento para liderar. Você transmite confiança, sucesso, força e dinamismo. Os outros se sentem atraídos pela sua personalidade marcante e querem aprender com você.</translation>
    </message>
    <message>
        <source>You are kind and compassionate. You are creative and gifted with many artistic talents. You are aristocratic and noble in your bearing. Others count on you for support and wise advice. You have excellent taste. You may be sensitive and emotional at times. Yet you stay self-controlled whatever happens around you. You want to do much for humanity.</source>
        <translation>Bondade e compaixão definem você. Você é uma pessoa criativa, com muitos talentos artísticos. Tem um porte aristocrático e nobre. Os outros contam com você para ter apoio e sábios conselhos. Você tem um gosto excelente. Às vezes pode se deixar levar pela sensibilidade e pelas emoções. Mesmo assim, mantém o autocontrole aconteça o que acontecer ao seu redor. Você quer fazer muito pela humanidade.</translation>
    </message>
    <message>
        <source>You have the dream of casting the light of illumination; being the true idealist. You are of the silent, shy type, but your own efforts have improved you a lot. You radiate a warmth that naturally attracts other people to you. You like peace and keep all disturbances out of your life. You are sensitive, charming and a wonderful listener.</source>
        <translation>Você sonha em levar luz aos outros, com um idealismo verdadeiro. Você tem um jeito calado e tímido, mas o seu próprio esforço fez você crescer muito. Você irradia um calor humano que atrai naturalmente as pessoas. Gosta de paz e mantém qualquer perturbação longe da sua vida. Você é uma pessoa sensível e encantadora, e sabe ouvir como ninguém.</translation>
    </message>
    <message>
        <source>You have big dreams of being the pioneer behind something truly monumental. You think big and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet simple at heart. You are responsible and efficient in all that you do. With a little perseverance and focus you will succeed at anything. You are a true leader and motivator.</source>
        <translation>Você tem o grande sonho de dar vida a algo realmente monumental. Pensa grande e sonha grande, e tem o que é preciso para realizar esses sonhos. Você tem espírito inovador, mas um coração simples. Age com responsabilidade e eficiência em tudo o que faz. Com um pouco de perseverança e foco, terá sucesso em qualquer coisa. Você tem alma de líder e sabe motivar os outros.</translation>
    </message>
</context>
<context>
    <name>exit_texts</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvaneth Softwares. We have a whole range of programs on astrology, psychic abilities, tarot, numerology and the occult. Each of them is easy to use and gives you a fresh insight into your life, your relationships, your hidden talents and your future.</source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Orvaneth. Temos toda uma linha de programas de astrologia, poderes paranormais, tarô, numerologia e ocultismo. Todos são fáceis de usar e trazem um novo olhar sobre a sua vida, os seus relacionamentos, os seus talentos ocultos e o seu futuro.</translation>
    </message>
    <message>
        <source>Download them and try them out for yourself today. We are sure you will find them just as rewarding. Then do share the experience with your friends and family, and let them discover what our programs can reveal about them too!</source>
        <translation>Baixe-os e experimente-os hoje mesmo: temos certeza de que você vai gostar deles tanto quanto deste. Depois, compartilhe a experiência com seus amigos e sua família, para que eles também descubram o que os nossos programas podem revelar sobre eles!</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. Programs like this cannot be supported and maintained unless you visit the site regularly.</source>
        <translation>Visite %1 regularmente e apoie o fórum participando das discussões e das outras atividades. Programas como este só podem ser mantidos se você visitar o site com frequência.</translation>
    </message>
    <message>
        <source>%1 is a free online forum on astrology, numerology and the occult. Visiting it regularly helps us to develop and maintain this software.</source>
        <translation>%1 é um fórum on-line gratuito sobre astrologia, numerologia e ocultismo. Visitá-lo regularmente nos ajuda a desenvolver e manter este programa.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and join the various discussions and activities on the board. That way you will help us maintain and develop more Orvaneth Softwares.</source>
        <translation>%1 precisa da sua ajuda! Visite o fórum regularmente e participe das discussões e atividades. Assim você nos ajuda a manter e desenvolver mais programas da Orvaneth.</translation>
    </message>
    <message>
        <source>Orvaneth Softwares, such as this can be created and maintained only with your support. The best way to support Orvaneth is to visit %1 regularly and to join in the discussions and other board activities.</source>
        <translation>Programas da Orvaneth como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar a Orvaneth é visitar %1 regularmente e participar das discussões e das outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Visite %1 agora</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lunavik icon</source>
        <translation>Ícone do Lunavik</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para mais detalhes.</translation>
    </message>
</context>
<context>
    <name>frmInnerDrmOrPerNo</name>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>A&amp;vançar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda on-line</translation>
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
        <translation>&amp;Sobre este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Preencha os dados abaixo:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Dia de nascimento</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mês de nascimento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Digite seu sobrenome.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Escolha o dia do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Escolha o mês do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Escolha o ano do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. The refusal of the 31st of a 30-day month is the same text with a space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Verifique o dia ou o mês!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. A day past the end of February is refused with the same text without the space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Verifique o dia ou o mês!</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Download Orvaneth Softwares</source>
        <translation>Baixe os programas da Orvaneth</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvaneth Softwares</source>
        <translation>Conheça os programas da Orvaneth</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Name&quot; is another text.</extracomment>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Email Address&quot; is another text.</extracomment>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Email Address&quot; is another text.</extracomment>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Name&quot; is another text.</extracomment>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Lunavik icon</source>
        <translation>Ícone do Lunavik</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços.</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução.</translation>
    </message>
    <message>
        <source>Lunavik cannot start: its lock file<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>is left over from an earlier run and cannot be removed. Remove it, then start Lunavik again.</source>
        <extracomment>%1 is the path of the lock file; each carriage return starts a new line.</extracomment>
        <translation>O Lunavik não pode ser iniciado: o arquivo de bloqueio<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>foi deixado por uma execução anterior e não pode ser removido. Remova-o e inicie o Lunavik novamente.</translation>
    </message>
</context>
<context>
    <name>link_strips</name>
    <message>
        <source>Offers</source>
        <translation>Ofertas</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Oferta de co-branding</translation>
    </message>
    <message>
        <source>Fully-branded offer</source>
        <translation>Oferta com a sua marca</translation>
    </message>
    <message>
        <source>Discussion board banner</source>
        <translation>Banner do fórum</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Fórum</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The carriage return between the sentences starts the second on a new line.</extracomment>
        <translation>Pode haver uma atualização deste programa disponível.<byte value="xd"/>Deseja procurar atualizações?</translation>
    </message>
    <message>
        <source>Lunavik could not open the page in your web browser.</source>
        <translation>O Lunavik não conseguiu abrir a página no seu navegador.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido.</translation>
    </message>
</context>
</TS>
